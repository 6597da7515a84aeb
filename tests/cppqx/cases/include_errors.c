/* Include lines that cannot be followed. */
#include "missing.h"
#include <missing.h>
#include <noguard.h
#include "noguard.h
#include
#include noguard.h
#define EMPTY
#include EMPTY
#include "inc"
#include "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx.h"
#include "noguard.h" extra
#include "unbalanced.h"
#include ""
#include <>
#define NONAME ""
#include NONAME
int still_here;
