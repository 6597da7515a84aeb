/* Directory separators written as backslashes are understood. */
#include "sub\local.h"
#include "inc\noguard.h"
int last;
