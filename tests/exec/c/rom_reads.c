// Reads of program memory (rom): scalars, byte and word arrays indexed by
// constants, char and int variables, locals and parameters; near pointers to
// rom walked forwards and backwards; string literals (rom char arrays)
// walked by pointer and passed to functions; rom values mixed with RAM ones
// in arithmetic, comparisons, arguments and returns.
#include "check.h"

rom unsigned char one_byte = 0xA5;
rom int one_word = -12345;
rom unsigned char squares[16] = {0, 1, 4, 9, 16, 25, 36, 49, 64, 81, 100, 121, 144, 169, 196, 225};
rom signed char deltas[6] = {-128, -1, 0, 1, 127, -50};
rom unsigned int powers[8] = {1, 10, 100, 1000, 10000, 0x8000, 0xFFFF, 0x1234};
rom int mixed[5] = {-32767 - 1, -1, 0, 1, 32767};
rom char word[] = "rom";
#define X8(a) a, a, a, a, a, a, a, a
#define X64(a) X8(a), X8(a), X8(a), X8(a), X8(a), X8(a), X8(a), X8(a)
rom unsigned char big[260] = {1, 2, 3, X64(9), X64(9), X64(9), X64(8), 0x77};

typedef struct { unsigned char tag; int value; unsigned char next; } row_t;
rom row_t rows[3] = {{1, 1000, 2}, {3, -5, 4}, {5, 0x7FFF, 6}};
rom row_t single = {9, -300, 8};

unsigned char gi;
unsigned int gk;
rom unsigned char *gp;
rom int *gw;

static unsigned char length(const rom char *s) { unsigned char n; n = 0; while (*s++) n++; return n; }
static unsigned char nth(rom unsigned char *t, unsigned char i) { return t[i]; }
static int word_at(rom int *t, int i) { return t[i]; }
static unsigned int sum_bytes(rom unsigned char *p, unsigned char n)
{
  unsigned int s;
  s = 0;
  while (n--) s += *p++;
  return s;
}
static int row_value(rom row_t *r) { return r->value; }
static const rom char *skip(const rom char *s, unsigned char n) { return s + n; }

int main(void)
{
  unsigned char i, c;
  unsigned int k, u;
  int sum, v;
  rom unsigned char *p;
  rom int *q;
  rom row_t *rp;
  const rom char *s;

  /* scalars and constant indexes */
  CHECK(one_byte == 0xA5); CHECK(one_word == -12345);
  CHECK(squares[0] == 0); CHECK(squares[15] == 225); CHECK(squares[3] == 9);
  CHECK(deltas[0] == -128); CHECK(deltas[1] < 0); CHECK(deltas[4] == 127);
  CHECK(powers[5] == 0x8000); CHECK(powers[6] == 0xFFFF); CHECK(powers[7] == 0x1234);
  CHECK(mixed[0] == -32767 - 1); CHECK(mixed[4] == 32767); CHECK(mixed[1] < mixed[2]);
  CHECK(big[0] == 1); CHECK(big[2] == 3); CHECK(big[100] == 9); CHECK(big[258] == 8); CHECK(big[259] == 0x77);

  /* variable indexes: char and int, globals and locals */
  for (i = 0; i < 16; i++) CHECK(squares[i] == i * i);
  sum = 0;
  for (k = 0; k < 16; k++) sum += squares[k];
  CHECK(sum == 1240);
  gi = 9; CHECK(squares[gi] == 81);
  gk = 259; CHECK(big[gk] == 0x77);
  k = 258; CHECK(big[k] == 8); CHECK(big[k + 1] == 0x77); CHECK(big[k - 257] == 2);
  v = 0;
  for (i = 0; i < 6; i++) v += deltas[i];
  CHECK(v == -51);
  u = 0;
  for (i = 0; i < 5; i++) u += powers[i];
  CHECK(u == 11111);
  for (k = 0; k < 8; k++) if (powers[k] == 1000) break;
  CHECK(k == 3);
  v = 0;
  for (i = 0; i < 5; i++) v ^= mixed[i];
  CHECK(v == (int)(0x8000 ^ 0xFFFF ^ 0 ^ 1 ^ 0x7FFF));

  /* rom values in expressions with RAM values */
  c = 3;
  CHECK(squares[c] + squares[c + 1] == 25);
  CHECK((unsigned char)(squares[12] + c) == 147);
  CHECK(powers[3] + powers[2] == 1100);
  CHECK(powers[3] - mixed[3] == 999);
  CHECK((squares[15] & 0x0F) == 1);
  CHECK((powers[7] >> 4) == 0x123);
  c = squares[5]; c += squares[2]; CHECK(c == 29);
  k = powers[4]; k -= powers[1]; CHECK(k == 9990);

  /* near pointers to rom: variables, parameters, walking both ways */
  p = squares; CHECK(*p == 0); p++; CHECK(*p == 1);
  p += 4; CHECK(*p == 25); CHECK(p[2] == 49); p--; CHECK(*p == 16);
  gp = &squares[10]; CHECK(*gp == 100); CHECK(gp[-1] == 81); CHECK(*(gp + 5) == 225);
  q = mixed; CHECK(*q == -32767 - 1); q += 4; CHECK(*q == 32767); CHECK(q[-3] == -1);
  gw = &mixed[2]; CHECK(*gw == 0); gw++; CHECK(*gw == 1);
  CHECK(nth(squares, 7) == 49); CHECK(nth(&squares[1], 7) == 64);
  CHECK(word_at(mixed, 4) == 32767); CHECK(word_at(&mixed[1], 0) == -1);
  CHECK(sum_bytes(squares, 4) == 14); CHECK(sum_bytes(big, 3) == 6);
  p = &squares[15]; sum = 0;
  while (p != squares) { sum += *p; p--; }
  CHECK(sum == 1240);

  /* rom strings */
  CHECK(length("") == 0); CHECK(length("hello") == 5); CHECK(length(word) == 3);
  s = "abcdef"; CHECK(*s == 'a'); CHECK(s[5] == 'f'); CHECK(s[6] == 0);
  s = skip(s, 2); CHECK(*s == 'c'); CHECK(length(s) == 4);
  c = 0;
  for (s = "walk"; *s; s++) c += *s;
  CHECK(c == (unsigned char)('w' + 'a' + 'l' + 'k'));
  CHECK(word[0] == 'r'); CHECK(word[2] == 'm'); CHECK(word[3] == 0);

  /* members of structures in rom: fixed rows, indexed rows, through pointers */
  CHECK(single.tag == 9); CHECK(single.value == -300); CHECK(single.next == 8);
  CHECK(rows[0].value == 1000); CHECK(rows[2].next == 6); CHECK(rows[1].value == -5);
  sum = 0;
  for (i = 0; i < 3; i++) sum += rows[i].tag + rows[i].next;
  CHECK(sum == 21);
  i = 2; CHECK(rows[i].value == 0x7FFF); k = 1; CHECK(rows[k].tag == 3);
  c = 0;
  for (i = 0; i < 3; i = rows[i].next / 2) c++;
  CHECK(c == 3);
  rp = &rows[1]; CHECK(rp->tag == 3); CHECK(rp->value == -5); CHECK(rp->next == 4);
  rp++; CHECK(rp->value == 0x7FFF);
  CHECK(row_value(&single) == -300); CHECK(row_value(rows) == 1000);

  /* an index that is a comma expression ending in a constant: the left
     side still runs */
  i = 0;
  CHECK(squares[(i++, 4)] == 16); CHECK(i == 1);
  CHECK(*(powers + (i += 2, 3)) == 1000); CHECK(i == 3);
  CHECK("0123456789"[(i++, 7)] == '7'); CHECK(i == 4);
  CHECK(rows[(i--, 2)].value == 0x7FFF); CHECK(i == 3);
  CHECK(mixed[(i + 1, 1)] == -1);
  return CHECK_RESULT();
}
