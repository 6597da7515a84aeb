// Increments and decrements of unsigned long in every form (prefix and
// postfix, value used and unused) on a global in the access bank and one in
// banked RAM, a local, an array element, a member through a pointer, a
// parameter, at the values where the carry or borrow crosses each byte.
#define T unsigned long
unsigned long g, starts[] = {0, 0xFFFFFFFFul, 0xFF, 0x100, 0xFFFFu, 0x10000ul, 0xFFFFFFul, 0x1000000ul, 0x7FFFFFFFul, 0x80000000ul};
unsigned long incs[] = {1, 0, 0x100, 0x101, 0x10000ul, 0x10001ul, 0x1000000ul, 0x1000001ul, 0x80000000ul, 0x80000001ul};
unsigned long decs[] = {0xFFFFFFFFul, 0xFFFFFFFEul, 0xFE, 0xFF, 0xFFFEu, 0xFFFFu, 0xFFFFFEul, 0xFFFFFFul, 0x7FFFFFFEul, 0x7FFFFFFFul};
#include "incdec_wide.h"
