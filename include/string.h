/* Memory and string functions. The _rom forms read their source (or the
   string searched for) from program memory, so a rom string literal or
   table can be passed without copying it to data memory first. Their
   program-memory pointers are far (24 bits): a near rom pointer of the
   small model converts on the call, and tables above 64 KiB are reached. */
#ifndef _STRING_H
#define _STRING_H

#ifndef _SIZE_T_DEFINED
#define _SIZE_T_DEFINED
typedef unsigned int size_t;
#endif
#ifndef NULL
#define NULL ((void *)0)
#endif

void *memcpy(void *dst, const void *src, size_t n);
void *memmove(void *dst, const void *src, size_t n);
void *memset(void *dst, int c, size_t n);
int memcmp(const void *a, const void *b, size_t n);
void *memchr(const void *s, int c, size_t n);

size_t strlen(const char *s);
char *strcpy(char *dst, const char *src);
char *strncpy(char *dst, const char *src, size_t n);
char *strcat(char *dst, const char *src);
char *strncat(char *dst, const char *src, size_t n);
int strcmp(const char *a, const char *b);
int strncmp(const char *a, const char *b, size_t n);
char *strchr(const char *s, int c);
char *strrchr(const char *s, int c);
char *strstr(const char *s, const char *find);

/* Program-memory sources. */
void *memcpy_rom(void *dst, const far rom void *src, size_t n);
int memcmp_rom(const void *a, const far rom void *b, size_t n);
size_t strlen_rom(const far rom char *s);
char *strcpy_rom(char *dst, const far rom char *src);
char *strncpy_rom(char *dst, const far rom char *src, size_t n);
char *strcat_rom(char *dst, const far rom char *src);
int strcmp_rom(const char *a, const far rom char *b);
int strncmp_rom(const char *a, const far rom char *b, size_t n);
char *strstr_rom(const char *s, const far rom char *find);

#endif
