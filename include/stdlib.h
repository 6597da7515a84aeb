/* General utilities: integer absolute values, conversions from text,
   pseudo-random numbers, sorting and searching. */
#ifndef _STDLIB_H
#define _STDLIB_H

#ifndef _SIZE_T_DEFINED
#define _SIZE_T_DEFINED
typedef unsigned int size_t;
#endif
#ifndef NULL
#define NULL ((void *)0)
#endif

#define RAND_MAX 32767
#define EXIT_SUCCESS 0
#define EXIT_FAILURE 1

int abs(int x);
long labs(long x);

int atoi(const char *s);
long atol(const char *s);
long strtol(const char *s, char **end, int base);
unsigned long strtoul(const char *s, char **end, int base);
int atoi_rom(const far rom char *s);
long atol_rom(const far rom char *s);

/* A function pointer is wider in the large memory model (-ml): the library
   holds qsort and bsearch twice, the large model's copies under other names. */
#ifdef __LARGE__
#define qsort __lm_qsort
#define bsearch __lm_bsearch
#endif

int rand(void);
void srand(unsigned int seed);

void qsort(void *base, size_t count, size_t size, int (*compare)(const void *, const void *));
void *bsearch(const void *key, const void *base, size_t count, size_t size,
              int (*compare)(const void *, const void *));

#endif
