/*
 * hr_types.h - fixed-width integer names and small helpers shared by the
 * firmware modules. Widths follow the Harrow compiler: char 8, int 16,
 * short long 24, long 32 bits.
 */
#ifndef HR_TYPES_H
#define HR_TYPES_H

typedef signed char        int8;
typedef unsigned char      uint8;
typedef int                int16;
typedef unsigned int       uint16;
typedef short long         int24;
typedef unsigned short long uint24;
typedef long               int32;
typedef unsigned long      uint32;

typedef unsigned char      bool8;

#define TRUE   1
#define FALSE  0
#define NULL_PTR  ((void *)0)

#define LOW_BYTE(x)   ((uint8)((x) & 0xFF))
#define HIGH_BYTE(x)  ((uint8)(((x) >> 8) & 0xFF))
#define MAKE_WORD(h, l)  ((uint16)(((uint16)(h) << 8) | (uint8)(l)))

#define ARRAY_LEN(a)  (sizeof(a) / sizeof((a)[0]))

#endif
