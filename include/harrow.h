/* <harrow.h>: the registers of the device chosen with -p. The compiler
   defines __HARROW for every device of the family; all of them share one
   register set (include/harrow_family.h), which the linker resolves by
   name. */
#ifndef __HARROW_H
#define __HARROW_H

#if defined(__HARROW)
#include <harrow_family.h>
#else
#error "harrow.h: the selected processor has no register header"
#endif

#endif
