// A command table in program memory: a rom array of pointers to rom
// strings, looked up by a command typed into a RAM buffer (compared
// character by character through near rom pointers), with lengths and
// the sum of the characters of every name.
#include "check.h"

rom char n_reset[] = "reset";
rom char n_read[] = "read";
rom char n_write[] = "write";
rom char n_rewind[] = "rewind";
rom char *rom names[] = {n_reset, n_read, n_write, n_rewind};

static unsigned char same(const rom char *a, const char *b)
{
  while (*a && *a == *b) {
    a++;
    b++;
  }
  return *a == *b;
}

static signed char lookup(const char *cmd)
{
  unsigned char i;
  for (i = 0; i < sizeof names / sizeof names[0]; i++)
    if (same(names[i], cmd))
      return i;
  return -1;
}

static unsigned char length(const rom char *s)
{
  unsigned char n = 0;
  while (s[n])
    n++;
  return n;
}

int main(void)
{
  char buf[8];
  unsigned int sum = 0;
  unsigned char i;
  const rom char *s;
  buf[0] = 'r'; buf[1] = 'e'; buf[2] = 'a'; buf[3] = 'd'; buf[4] = 0;
  CHECK(lookup(buf) == 1);
  buf[3] = 0;
  CHECK(lookup(buf) == -1);
  buf[0] = 'w'; buf[1] = 'r'; buf[2] = 'i'; buf[3] = 't'; buf[4] = 'e'; buf[5] = 0;
  CHECK(lookup(buf) == 2);
  buf[0] = 'r'; buf[1] = 'e'; buf[2] = 'w'; buf[3] = 'i'; buf[4] = 'n'; buf[5] = 'd'; buf[6] = 0;
  CHECK(lookup(buf) == 3);
  CHECK(length(names[0]) == 5 && length(names[3]) == 6 && length(n_read) == 4);
  for (i = 0; i < 4; i++)
    for (s = names[i]; *s; s++)
      sum += *s;
  CHECK(sum == 2163);
  return CHECK_RESULT();
}
