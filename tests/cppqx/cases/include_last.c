/* The source ends right after an include: a closing marker names the source
   again, at the line after its last one. */
int before;
#include "inc/noguard.h"
