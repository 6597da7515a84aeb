/* A file that includes itself without a guard ends with a clear error. */
#include "self.h"
int never;
