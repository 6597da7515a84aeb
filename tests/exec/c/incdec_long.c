// Increments and decrements of long in every form (prefix and postfix, value
// used and unused) on a global in the access bank and one in banked RAM, a
// local, an array element, a member through a pointer, a parameter, at the
// values where the carry or borrow crosses each byte.
#define T long
long g, starts[] = {0, -1, 2147483647l, (-2147483647l - 1), 16777215l, -16777216l, 130816l, 1};
long incs[] = {1, 0, (-2147483647l - 1), -2147483647l, 16777216l, -16777215l, 130817l, 2};
long decs[] = {-1, -2, 2147483646l, 2147483647l, 16777214l, -16777217l, 130815l, 0};
#include "incdec_wide.h"
