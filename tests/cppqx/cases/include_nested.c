/* Nested includes keep every token on its own file and line. */
int main_1;
#include "inc/outer.h"
int main_2;

#include <inner.h>
#include "inner.h"
#include "sub/local.h"
#define HDR <noguard.h>
#include HDR
#define Q(x) #x
#include Q(noguard.h)
#include "once.h"
#include "once.h"
#include "pragma.h"
int main_end = SYS_VALUE;
