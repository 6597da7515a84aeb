// Increments and decrements of short long in every form (prefix and postfix,
// value used and unused) on a global in the access bank and one in banked RAM,
// a local, an array element, a member through a pointer, a parameter, at the
// values where the carry or borrow crosses each byte.
#define T short long
short long g, starts[] = {0, -1, 255, 256, 65535l, 65536l, 8388607l, -8388608l, 1245183l};
short long incs[] = {1, 0, 256, 257, 65536l, 65537l, -8388608l, -8388607l, 1245184l};
short long decs[] = {-1, -2, 254, 255, 65534l, 65535l, 8388606l, 8388607l, 1245182l};
#include "incdec_wide.h"
