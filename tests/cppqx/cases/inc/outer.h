/* outer.h: includes a sibling by "..." and a system header by <...>. */
int outer_1;
#include "inner.h"
int outer_2;
#include <sysdef.h>
int outer_3;
