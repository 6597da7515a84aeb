/* An #include between the arguments of a macro is refused; the invocation goes on. */
#define f(a, b) [a|b]
f(1,
#include "inc/noguard.h"
2)
int after;
