/* Misplaced and malformed conditional directives. */
#endif
#else
#elif 1
#if 1
#else
int x;
#else
int y;
#elif 1
#endif
#if 0
#else
#else
#endif
#ifdef
#endif
#ifndef 3
#endif
#ifdef A B
#endif
#if 1
#endif extra
#if 1
#else extra
#endif
#ifdef X
#if 1
int inner_open;
