// Sorting: a bubble sort of signed ints and an insertion sort of unsigned
// chars, in place through pointers, then checked for order and content.
#include "check.h"

int values[10];
unsigned char keys[12];

static void bubble(int *a, unsigned char n)
{
  unsigned char i, j;
  int t;
  for (i = 0; i + 1 < n; i++)
    for (j = 0; j + 1 < n - i; j++)
      if (a[j] > a[j + 1]) { t = a[j]; a[j] = a[j + 1]; a[j + 1] = t; }
}

static void insertion(unsigned char *a, unsigned char n)
{
  unsigned char i, j, k;
  for (i = 1; i < n; i++) {
    k = a[i];
    j = i;
    while (j > 0 && a[j - 1] > k) { a[j] = a[j - 1]; j--; }
    a[j] = k;
  }
}

int main(void)
{
  unsigned char i;
  int sum;
  for (i = 0; i < 10; i++) values[i] = (int)((unsigned int)i * 37 % 10) * 1000 - 4500;
  bubble(values, 10);
  sum = 0;
  for (i = 0; i < 10; i++) sum += values[i] / 100;
  CHECK(sum == 0);
  for (i = 0; i + 1 < 10; i++) CHECK(values[i] < values[i + 1]);
  CHECK(values[0] == -4500); CHECK(values[9] == 4500);
  for (i = 0; i < 12; i++) keys[i] = (unsigned char)(i * 113 + 50);
  insertion(keys, 12);
  for (i = 0; i + 1 < 12; i++) CHECK(keys[i] <= keys[i + 1]);
  CHECK(keys[0] == 13); CHECK(keys[11] == 246);
  return CHECK_RESULT();
}
