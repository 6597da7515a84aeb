// The C library's stdlib and ctype functions: abs and labs at the limits,
// strtol and strtoul in several bases with prefixes, signs, white space,
// overflow and the end pointer; atoi, atol and their program-memory forms;
// the rand sequence and srand; qsort of 0, 1 and many elements of two sizes;
// bsearch hits and misses; every ctype function over all 256 byte values
// (and EOF) against a table of the classes.
#include <ctype.h>
#include <limits.h>
#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include "check.h"

struct pair { char tag; long value; int24_t mid; };

// The types and limits of the headers match the target's widths.
static void headers(void) {
  uint8_t u8 = UINT8_MAX;
  int16_t i16 = INT16_MIN;
  uint24_t u24 = UINT24_MAX;
  int32_t i32 = INT32_MAX;
  bool yes = true;
  CHECK(sizeof(int8_t) == 1 && sizeof(uint16_t) == 2 && sizeof(int24_t) == 3 && sizeof(uint32_t) == 4);
  CHECK(sizeof(size_t) == 2 && sizeof(ptrdiff_t) == 2 && sizeof(intptr_t) == 3 && sizeof(bool) == 1);
  CHECK(sizeof(short long) == 3 && sizeof(long) == 4 && CHAR_BIT == 8);
  CHECK((uint8_t)(u8 + 1) == 0 && (int16_t)(i16 - 1) == INT16_MAX && (uint24_t)(u24 + 1) == 0);
  CHECK((int32_t)((uint32_t)i32 + 1) == INT32_MIN && INT_MAX == 32767 && UINT_MAX == 65535U);
  CHECK(SHRTLONG_MAX == 8388607L && USHRTLONG_MAX == 16777215UL && LONG_MIN == -2147483647L - 1);
  CHECK(SCHAR_MIN == -128 && UCHAR_MAX == 255 && SIZE_MAX == 65535U && UINT32_C(1) == 1UL);
  CHECK(offsetof(struct pair, tag) == 0 && offsetof(struct pair, value) == 1 && offsetof(struct pair, mid) == 5);
  CHECK(yes && !false && NULL == (void *)0);
}

char text[40];
char *end;

static char *put(const rom char *s) { return strcpy_rom(text, s); }

static void numbers(void) {
  CHECK(abs(0) == 0 && abs(-5) == 5 && abs(7) == 7 && abs(INT_MAX) == INT_MAX && abs(INT_MIN) == INT_MIN);
  CHECK(labs(-100000L) == 100000L && labs(LONG_MAX) == LONG_MAX && labs(LONG_MIN) == LONG_MIN);
  CHECK(strtol(put("  -1234xyz"), &end, 10) == -1234L && end == text + 7);
  CHECK(strtol(put("+77"), &end, 0) == 77L && end == text + 3);
  CHECK(strtol(put("0x1fZ"), &end, 0) == 31L && end == text + 4);
  CHECK(strtol(put("0X7fffFFFF"), &end, 16) == LONG_MAX && end == text + 10);
  CHECK(strtol(put("ff"), &end, 16) == 255L);
  CHECK(strtol(put("0777"), &end, 0) == 511L && end == text + 4);
  CHECK(strtol(put("0"), &end, 0) == 0L && end == text + 1);
  CHECK(strtol(put("0x"), &end, 16) == 0L && end == text + 1);  // the 0 alone is the number
  CHECK(strtol(put("-101"), &end, 2) == -5L);
  CHECK(strtol(put("zz"), &end, 36) == 1295L && end == text + 2);
  CHECK(strtol(put("2147483647"), &end, 10) == LONG_MAX);
  CHECK(strtol(put("2147483648"), &end, 10) == LONG_MAX && end == text + 10);
  CHECK(strtol(put("-2147483648"), &end, 10) == LONG_MIN);
  CHECK(strtol(put("-2147483649"), &end, 10) == LONG_MIN);
  CHECK(strtol(put("99999999999999999999"), &end, 10) == LONG_MAX && end == text + 20);
  CHECK(strtol(put("-99999999999999999999"), &end, 10) == LONG_MIN);
  CHECK(strtol(put("   "), &end, 10) == 0L && end == text);
  CHECK(strtol(put("-"), &end, 10) == 0L && end == text);
  CHECK(strtol(put("12"), &end, 1) == 0L && end == text);  // no such base
  CHECK(strtol(put("12"), &end, 37) == 0L && end == text);
  CHECK(strtol(put("19"), NULL, 8) == 1L);
  CHECK(strtoul(put("4294967295"), &end, 10) == ULONG_MAX && end == text + 10);
  CHECK(strtoul(put("4294967296"), &end, 10) == ULONG_MAX);
  CHECK(strtoul(put("0xFFFFFFFF"), &end, 0) == 0xFFFFFFFFUL);
  CHECK(strtoul(put("-1"), &end, 10) == ULONG_MAX && end == text + 2);
  CHECK(strtoul(put("\t\n 42 "), &end, 10) == 42UL && end == text + 5);
  CHECK(atoi(put("-32768")) == INT_MIN && atoi(put(" 123abc")) == 123 && atoi(put("x")) == 0);
  CHECK(atol(put("-2000000000")) == -2000000000L);
  CHECK(atoi_rom("  -42") == -42 && atoi_rom("+7") == 7 && atoi_rom("") == 0);
  CHECK(atol_rom("123456789") == 123456789L && atol_rom("-2147483648") == LONG_MIN);
}

static void random(void) {
  int first[3];
  unsigned char i;
  int r;
  srand(1);
  for (i = 0; i < 3; i++) first[i] = rand();
  // The sequence of the documented generator: state = state * 1103515245 + 12345.
  CHECK(first[0] == 16838 && first[1] == 5758 && first[2] == 10113);
  srand(1);
  CHECK(rand() == first[0] && rand() == first[1]);
  srand(2);
  CHECK(rand() != first[0]);
  for (i = 0; i < 200; i++) {
    r = rand();
    CHECK(r >= 0 && r <= RAND_MAX);
  }
}

int ints[40];
long longs[5] = {5L, -70000L, 3L, 70000L, -1L};
unsigned char compared;

static int by_int(const void *a, const void *b) {
  int x = *(const int *)a, y = *(const int *)b;
  compared++;
  return x < y ? -1 : x > y;
}

static int by_long(const void *a, const void *b) {
  long x = *(const long *)a, y = *(const long *)b;
  return x < y ? -1 : x > y;
}

static void sorting(void) {
  unsigned char i;
  int key;
  long lkey;
  ints[0] = 9;
  compared = 0;
  qsort(ints, 0, sizeof(int), by_int);
  qsort(ints, 1, sizeof(int), by_int);
  CHECK(ints[0] == 9 && compared == 0);
  for (i = 0; i < 40; i++) ints[i] = (int)(((unsigned int)i * 37u) % 40u) - 19;  // a permutation of -19..20
  qsort(ints, 40, sizeof(int), by_int);
  for (i = 0; i < 40; i++) CHECK(ints[i] == (int)i - 19);
  qsort(ints, 40, sizeof(int), by_int);  // already sorted
  CHECK(ints[0] == -19 && ints[39] == 20);
  ints[0] = 3; ints[1] = 3; ints[2] = 1; ints[3] = 3; ints[4] = 1;
  qsort(ints, 5, sizeof(int), by_int);
  CHECK(ints[0] == 1 && ints[1] == 1 && ints[2] == 3 && ints[4] == 3);
  qsort(longs, 5, sizeof(long), by_long);
  CHECK(longs[0] == -70000L && longs[1] == -1L && longs[2] == 3L && longs[3] == 5L && longs[4] == 70000L);
  for (i = 0; i < 40; i++) ints[i] = 3 * (int)i;
  for (key = -1; key <= 118; key++) {
    int *hit = (int *)bsearch(&key, ints, 40, sizeof(int), by_int);
    if (key % 3 == 0 && key >= 0) CHECK(hit == &ints[key / 3]);
    else CHECK(hit == NULL);
  }
  CHECK(bsearch(&key, ints, 0, sizeof(int), by_int) == NULL);
  lkey = 70000L;
  CHECK(bsearch(&lkey, longs, 5, sizeof(long), by_long) == &longs[4]);
  lkey = 4L;
  CHECK(bsearch(&lkey, longs, 5, sizeof(long), by_long) == NULL);
}

// Classes of 0..127, one letter each: c control, s space (and control),
// p punctuation, d digit, x hex letter, u upper, l lower, b blank (space).
static unsigned char expected(int c, unsigned char f) {
  unsigned char r = 0;
  if (c < 0 || c > 127) return 0;
  switch (f) {
  case 0: r = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); break;
  case 1: r = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); break;
  case 2: r = c < 32 || c == 127; break;
  case 3: r = c >= '0' && c <= '9'; break;
  case 4: r = c > 32 && c < 127; break;
  case 5: r = c >= 'a' && c <= 'z'; break;
  case 6: r = c >= 32 && c < 127; break;
  case 7: r = c > 32 && c < 127 && !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')); break;
  case 8: r = c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; break;
  case 9: r = c >= 'A' && c <= 'Z'; break;
  case 10: r = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); break;
  }
  return r;
}

int (*classes[11])(int) = {isalnum, isalpha, iscntrl, isdigit, isgraph, islower,
                           isprint, ispunct, isspace, isupper, isxdigit};

static void characters(void) {
  int c;
  unsigned char f;
  unsigned char bad = 0;
  for (c = -1; c < 256; c++) {
    for (f = 0; f < 11; f++)
      if ((classes[f](c) != 0) != expected(c, f)) bad++;
    if (tolower(c) != (c >= 'A' && c <= 'Z' ? c + 32 : c)) bad++;
    if (toupper(c) != (c >= 'a' && c <= 'z' ? c - 32 : c)) bad++;
  }
  CHECK(bad == 0);
  CHECK(ispunct('!') && ispunct('~') && !ispunct(' ') && isspace('\v') && !isspace('\b'));
}

int main(void) {
  headers();
  numbers();
  random();
  sorting();
  characters();
  return CHECK_RESULT();
}
