/* Suppressed messages are neither shown nor counted; level 1 hides warnings. */
#error suppressed
#include "nowhere.h"
#warning hidden at level 1
int a
