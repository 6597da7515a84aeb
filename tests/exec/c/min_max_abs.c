// Minimum, maximum, absolute value and clamping written with the conditional
// operator at every width and signedness, on values at the boundaries: the
// comparisons are signed or unsigned by the type, and the absolute value of
// the most negative value wraps to itself. Expected values computed on a PC.
#include "check.h"

#define MIN(a, b) ((a) < (b) ? (a) : (b))
#define MAX(a, b) ((a) > (b) ? (a) : (b))
#define ABS(a) ((a) < 0 ? -(a) : (a))

signed char v_schar[] = {0, 1, -1, -128, 127, 5};
signed char r_schar[4][6] = {{0, -1, -128, -128, 5, 0}, {1, 1, -1, 127, 127, 5}, {0, 1, 1, -128, 127, 5}, {0, 1, -1, -3, 100, 5}};
unsigned char v_uchar[] = {0, 1, 0xFF, 0x80, 0x7F, 5};
unsigned char r_uchar[4][6] = {{0, 1, 0x80, 0x7F, 5, 0}, {1, 0xFF, 0xFF, 0x80, 0x7F, 5}, {0, 1, 0xFF, 0x80, 0x7F, 5}, {3, 3, 0x64, 0x64, 0x64, 5}};
int v_int[] = {0, 1, -1, -32768, 32767, 5};
int r_int[4][6] = {{0, -1, -32768, -32768, 5, 0}, {1, 1, -1, 32767, 32767, 5}, {0, 1, 1, -32768, 32767, 5}, {0, 1, -1, -3, 100, 5}};
unsigned int v_uint[] = {0, 1, 0xFFFFu, 0x8000u, 0x7FFF, 5};
unsigned int r_uint[4][6] = {{0, 1, 0x8000u, 0x7FFF, 5, 0}, {1, 0xFFFFu, 0xFFFFu, 0x8000u, 0x7FFF, 5}, {0, 1, 0xFFFFu, 0x8000u, 0x7FFF, 5}, {3, 3, 0x64, 0x64, 0x64, 5}};
short long v_short_long[] = {0, 1, -1, -8388608l, 8388607l, 5};
short long r_short_long[4][6] = {{0, -1, -8388608l, -8388608l, 5, 0}, {1, 1, -1, 8388607l, 8388607l, 5}, {0, 1, 1, -8388608l, 8388607l, 5}, {0, 1, -1, -3, 100, 5}};
unsigned short long v_ushort_long[] = {0, 1, 0xFFFFFFul, 0x800000ul, 0x7FFFFFul, 5};
unsigned short long r_ushort_long[4][6] = {{0, 1, 0x800000ul, 0x7FFFFFul, 5, 0}, {1, 0xFFFFFFul, 0xFFFFFFul, 0x800000ul, 0x7FFFFFul, 5}, {0, 1, 0xFFFFFFul, 0x800000ul, 0x7FFFFFul, 5}, {3, 3, 0x64, 0x64, 0x64, 5}};
long v_long[] = {0, 1, -1, (-2147483647l - 1), 2147483647l, 5};
long r_long[4][6] = {{0, -1, (-2147483647l - 1), (-2147483647l - 1), 5, 0}, {1, 1, -1, 2147483647l, 2147483647l, 5}, {0, 1, 1, (-2147483647l - 1), 2147483647l, 5}, {0, 1, -1, -3, 100, 5}};
unsigned long v_ulong[] = {0, 1, 0xFFFFFFFFul, 0x80000000ul, 0x7FFFFFFFul, 5};
unsigned long r_ulong[4][6] = {{0, 1, 0x80000000ul, 0x7FFFFFFFul, 5, 0}, {1, 0xFFFFFFFFul, 0xFFFFFFFFul, 0x80000000ul, 0x7FFFFFFFul, 5}, {0, 1, 0xFFFFFFFFul, 0x80000000ul, 0x7FFFFFFFul, 5}, {3, 3, 0x64, 0x64, 0x64, 5}};

int main(void)
{
  unsigned char i;
  for (i = 0; i < 6; i++) {
    signed char a = v_schar[i], b = v_schar[(i + 1) % 6], m;
    m = MIN(a, b); CHECK(m == r_schar[0][i]);
    m = MAX(a, b); CHECK(m == r_schar[1][i]);
    m = ABS(a); CHECK(m == r_schar[2][i]);
    m = MIN(MAX(a, (signed char)-3), (signed char)100); CHECK(m == r_schar[3][i]);
  }
  for (i = 0; i < 6; i++) {
    unsigned char a = v_uchar[i], b = v_uchar[(i + 1) % 6], m;
    m = MIN(a, b); CHECK(m == r_uchar[0][i]);
    m = MAX(a, b); CHECK(m == r_uchar[1][i]);
    m = ABS(a); CHECK(m == r_uchar[2][i]);
    m = MIN(MAX(a, (unsigned char)3), (unsigned char)100); CHECK(m == r_uchar[3][i]);
  }
  for (i = 0; i < 6; i++) {
    int a = v_int[i], b = v_int[(i + 1) % 6], m;
    m = MIN(a, b); CHECK(m == r_int[0][i]);
    m = MAX(a, b); CHECK(m == r_int[1][i]);
    m = ABS(a); CHECK(m == r_int[2][i]);
    m = MIN(MAX(a, (int)-3), (int)100); CHECK(m == r_int[3][i]);
  }
  for (i = 0; i < 6; i++) {
    unsigned int a = v_uint[i], b = v_uint[(i + 1) % 6], m;
    m = MIN(a, b); CHECK(m == r_uint[0][i]);
    m = MAX(a, b); CHECK(m == r_uint[1][i]);
    m = ABS(a); CHECK(m == r_uint[2][i]);
    m = MIN(MAX(a, (unsigned int)3), (unsigned int)100); CHECK(m == r_uint[3][i]);
  }
  for (i = 0; i < 6; i++) {
    short long a = v_short_long[i], b = v_short_long[(i + 1) % 6], m;
    m = MIN(a, b); CHECK(m == r_short_long[0][i]);
    m = MAX(a, b); CHECK(m == r_short_long[1][i]);
    m = ABS(a); CHECK(m == r_short_long[2][i]);
    m = MIN(MAX(a, (short long)-3), (short long)100); CHECK(m == r_short_long[3][i]);
  }
  for (i = 0; i < 6; i++) {
    unsigned short long a = v_ushort_long[i], b = v_ushort_long[(i + 1) % 6], m;
    m = MIN(a, b); CHECK(m == r_ushort_long[0][i]);
    m = MAX(a, b); CHECK(m == r_ushort_long[1][i]);
    m = ABS(a); CHECK(m == r_ushort_long[2][i]);
    m = MIN(MAX(a, (unsigned short long)3), (unsigned short long)100); CHECK(m == r_ushort_long[3][i]);
  }
  for (i = 0; i < 6; i++) {
    long a = v_long[i], b = v_long[(i + 1) % 6], m;
    m = MIN(a, b); CHECK(m == r_long[0][i]);
    m = MAX(a, b); CHECK(m == r_long[1][i]);
    m = ABS(a); CHECK(m == r_long[2][i]);
    m = MIN(MAX(a, (long)-3), (long)100); CHECK(m == r_long[3][i]);
  }
  for (i = 0; i < 6; i++) {
    unsigned long a = v_ulong[i], b = v_ulong[(i + 1) % 6], m;
    m = MIN(a, b); CHECK(m == r_ulong[0][i]);
    m = MAX(a, b); CHECK(m == r_ulong[1][i]);
    m = ABS(a); CHECK(m == r_ulong[2][i]);
    m = MIN(MAX(a, (unsigned long)3), (unsigned long)100); CHECK(m == r_ulong[3][i]);
  }
  return CHECK_RESULT();
}
