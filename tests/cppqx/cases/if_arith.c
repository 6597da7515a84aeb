/* #if arithmetic in 32-bit long and unsigned long. */
#if 0x7fffffff + 1 < 0
int long_wraps_to_negative;
#endif
#if -1 > 0u
int minus_one_is_large_unsigned;
#endif
#if 0xffffffff == -1
int hex_wraps;
#endif
#if 4294967295 > 0
int big_decimal_is_unsigned;
#endif
#if 0b1010 == 10 && 0B11 == 3 && 017 == 15 && 0x1F == 31
int radixes;
#endif
#if 10L == 10 && 10u == 10 && 10UL == 10 && 10lu == 10
int suffixes;
#endif
#if 'A' == 65 && '\n' == 10 && '\377' < 0 && '\x41' == 'A' && '\0' == 0 && 'ab' == 0x6162
int characters;
#endif
#if (1 << 31) < 0 && (1u << 31) > 0 && (-16 >> 2) == -4 && (0x80000000 >> 31) == 1
int shifts;
#endif
#if 7 / 2 == 3 && -7 / 2 == -3 && -7 % 2 == -1 && 7u % 4 == 3
int division;
#endif
#if (0 && 1/0) == 0 && (1 || 1/0) && (1 ? 2 : 1/0) == 2
int unevaluated_division;
#endif
#if ~0 == -1 && !0 == 1 && !5 == 0 && -(-3) == 3 && +4 == 4
int unary;
#endif
#if (2 + 3 * 4 == 14) && ((2 + 3) * 4 == 20) && (1 | 2 ^ 3 & 4) == 3
int precedence;
#endif
#if UNDEFINED_NAME == 0 && (undefined_fn + 1) == 1
int identifiers_are_zero;
#endif
#if (1 ? -1 : 0u) > 0
int conditional_takes_unsigned;
#endif
#define SIX 6
#define TWICE(x) ((x) * 2)
#if TWICE(SIX) == 12 && defined SIX && !defined(TWICE2)
int macros_in_if;
#endif
#define ISDEF defined(SIX)
#if ISDEF
int defined_from_macro;
#endif
#if (1, 0)
int not_comma;
#else
int comma;
#endif
