/* Predefined and command-line macros. */
__STDC__ __DATE__ __TIME__
__FILE__ __LINE__
__HARROW __SMALL__ ANSWER FLAG FN(1) VAL
#ifdef __STDC_VERSION__
int not_c90;
#endif
#if defined(__GNUC__) || defined(__linux__) || defined(unix) || defined(__x86_64__)
int host_macro_leaked;
#endif
#define __FILE__ x
#undef __LINE__
#define __STDC__ 2
#undef __DATE__
#define defined
__STDC__ __LINE__
