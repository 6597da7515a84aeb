// long and unsigned long division and modulo by constants (10, 100, 1000, 60,
// 3600, 7, 256, 65536 and negative divisors for the signed ones) over a table
// of dividends at the boundaries; quotients towards zero. Expected values
// computed on a PC.
#include "check.h"

long values[] = {2147483647l, (-2147483647l - 1), -1, 1, 123456789l, -987654321l, 86399l, 16777215l};
typedef struct { long q[10], r[10]; unsigned long uq[8], ur[8]; } row_t;
row_t rows[] = {
  {{214748364l, 21474836l, 2147483l, 35791394l, 596523l, 306783378l, 8388607l, 32767, -214748364l, -715827882l},
   {7, 47, 647, 7, 847, 1, 255, 65535l, 7, 1},
   {0xCCCCCCCul, 0x147AE14ul, 0x20C49Bul, 0x2222222ul, 0x91A2Bul, 0x12492492ul, 0x7FFFFFul, 0x7FFFul},
   {0x7ul, 0x2Ful, 0x287ul, 0x7ul, 0x34Ful, 0x1ul, 0xFFul, 0xFFFFul}},
  {{-214748364l, -21474836l, -2147483l, -35791394l, -596523l, -306783378l, -8388608l, -32768l, 214748364l, 715827882l},
   {-8, -48, -648, -8, -848, -2, 0, 0, -8, -2},
   {0xCCCCCCCul, 0x147AE14ul, 0x20C49Bul, 0x2222222ul, 0x91A2Bul, 0x12492492ul, 0x800000ul, 0x8000ul},
   {0x8ul, 0x30ul, 0x288ul, 0x8ul, 0x350ul, 0x2ul, 0x0ul, 0x0ul}},
  {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
   {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
   {0x19999999ul, 0x28F5C28ul, 0x418937ul, 0x4444444ul, 0x123456ul, 0x24924924ul, 0xFFFFFFul, 0xFFFFul},
   {0x5ul, 0x5Ful, 0x127ul, 0xFul, 0x69Ful, 0x3ul, 0xFFul, 0xFFFFul}},
  {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
   {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
   {0x0ul, 0x0ul, 0x0ul, 0x0ul, 0x0ul, 0x0ul, 0x0ul, 0x0ul},
   {0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul}},
  {{12345678l, 1234567l, 123456l, 2057613l, 34293l, 17636684l, 482253l, 1883, -12345678l, -41152263l},
   {9, 89, 789, 9, 1989, 1, 21, 52501l, 9, 0},
   {0xBC614Eul, 0x12D687ul, 0x1E240ul, 0x1F658Dul, 0x85F5ul, 0x10D1D4Cul, 0x75BCDul, 0x75Bul},
   {0x9ul, 0x59ul, 0x315ul, 0x9ul, 0x7C5ul, 0x1ul, 0x15ul, 0xCD15ul}},
  {{-98765432l, -9876543l, -987654l, -16460905l, -274348l, -141093474l, -3858024l, -15070, 98765432l, 329218107l},
   {-1, -21, -321, -21, -1521, -3, -177, -26801, -1, 0},
   {0x13B68F21ul, 0x1F8A7E9ul, 0x327730ul, 0x34917DAul, 0xE04AAul, 0x1C295EC2ul, 0xC52197ul, 0xC521ul},
   {0x5ul, 0x4Bul, 0x3CFul, 0x37ul, 0xAFul, 0x1ul, 0x4Ful, 0x974Ful}},
  {{8639, 863, 86, 1439, 23, 12342, 337, 1, -8639, -28799},
   {9, 99, 399, 59, 3599, 5, 127, 20863, 9, 2},
   {0x21BFul, 0x35Ful, 0x56ul, 0x59Ful, 0x17ul, 0x3036ul, 0x151ul, 0x1ul},
   {0x9ul, 0x63ul, 0x18Ful, 0x3Bul, 0xE0Ful, 0x5ul, 0x7Ful, 0x517Ful}},
  {{1677721l, 167772l, 16777, 279620l, 4660, 2396745l, 65535l, 255, -1677721l, -5592405l},
   {5, 15, 215, 15, 1215, 0, 255, 65535l, 5, 0},
   {0x199999ul, 0x28F5Cul, 0x4189ul, 0x44444ul, 0x1234ul, 0x249249ul, 0xFFFFul, 0xFFul},
   {0x5ul, 0xFul, 0xD7ul, 0xFul, 0x4BFul, 0x0ul, 0xFFul, 0xFFFFul}},
};

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof values / sizeof values[0]; i++) {
    long v = values[i];
    unsigned long u = v;
    CHECK(v / 10l == rows[i].q[0] && v % 10l == rows[i].r[0]);
    CHECK(v / 100l == rows[i].q[1] && v % 100l == rows[i].r[1]);
    CHECK(v / 1000l == rows[i].q[2] && v % 1000l == rows[i].r[2]);
    CHECK(v / 60l == rows[i].q[3] && v % 60l == rows[i].r[3]);
    CHECK(v / 3600l == rows[i].q[4] && v % 3600l == rows[i].r[4]);
    CHECK(v / 7l == rows[i].q[5] && v % 7l == rows[i].r[5]);
    CHECK(v / 256l == rows[i].q[6] && v % 256l == rows[i].r[6]);
    CHECK(v / 65536l == rows[i].q[7] && v % 65536l == rows[i].r[7]);
    CHECK(v / (-10l) == rows[i].q[8] && v % (-10l) == rows[i].r[8]);
    CHECK(v / (-3l) == rows[i].q[9] && v % (-3l) == rows[i].r[9]);
    CHECK(u / 10ul == rows[i].uq[0] && u % 10ul == rows[i].ur[0]);
    CHECK(u / 100ul == rows[i].uq[1] && u % 100ul == rows[i].ur[1]);
    CHECK(u / 1000ul == rows[i].uq[2] && u % 1000ul == rows[i].ur[2]);
    CHECK(u / 60ul == rows[i].uq[3] && u % 60ul == rows[i].ur[3]);
    CHECK(u / 3600ul == rows[i].uq[4] && u % 3600ul == rows[i].ur[4]);
    CHECK(u / 7ul == rows[i].uq[5] && u % 7ul == rows[i].ur[5]);
    CHECK(u / 256ul == rows[i].uq[6] && u % 256ul == rows[i].ur[6]);
    CHECK(u / 65536ul == rows[i].uq[7] && u % 65536ul == rows[i].ur[7]);
  }
  return CHECK_RESULT();
}
