/* Conditional groups: nesting, #elif chains, skipped text that is not C. */
#define ONE 1
#if ONE
int a;
# if 0
int not_b;
# elif ONE + 1 == 2
int b;
# else
int not_b2;
# endif
#else
int not_a;
#endif
#ifdef ONE
int c;
#endif
#ifndef ONE
int not_c;
#else
int c2;
#endif
#if 0
don't stop at this apostrophe
#if nested garbage ((
#else
#endif
"unterminated string
/* a comment with #endif inside */
#error not reached
#elif 1
int d;
#elif 1/0
int not_d;
#else
int not_d2;
#endif
#if 0
#elif 0
#elif defined ONE && defined(ONE)
int e;
#endif
#ifdef UNDEFINED_NAME
#bogus directives are fine when skipped
#endif
  #  if   1  /* blanks around # */
int f;
  #  endif
??=if 1
int trigraph_if;
??=endif
#
int null_directive_above;
