/* abs, labs: absolute values; the most negative value is its own. */
#include <stdlib.h>

int abs(int x) { return x < 0 ? -x : x; }

long labs(long x) { return x < 0 ? -x : x; }
