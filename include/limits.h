/* Limits of the integer types: 8-bit char, 16-bit short and int, 24-bit
   short long, 32-bit long. Plain char is signed unless -k makes it
   unsigned; the compiler then defines __CHAR_UNSIGNED__. */
#ifndef _LIMITS_H
#define _LIMITS_H

#define CHAR_BIT 8
#define SCHAR_MIN (-128)
#define SCHAR_MAX 127
#define UCHAR_MAX 255
#ifdef __CHAR_UNSIGNED__
#define CHAR_MIN 0
#define CHAR_MAX 255
#else
#define CHAR_MIN (-128)
#define CHAR_MAX 127
#endif
#define MB_LEN_MAX 1

#define SHRT_MIN (-32767 - 1)
#define SHRT_MAX 32767
#define USHRT_MAX 65535U
#define INT_MIN (-32767 - 1)
#define INT_MAX 32767
#define UINT_MAX 65535U

#define SHRTLONG_MIN (-8388607L - 1)
#define SHRTLONG_MAX 8388607L
#define USHRTLONG_MAX 16777215UL

#define LONG_MIN (-2147483647L - 1)
#define LONG_MAX 2147483647L
#define ULONG_MAX 4294967295UL

#endif
