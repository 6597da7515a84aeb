// Conversions between every pair of integer types (8, 16, 24 and 32 bits, both
// signednesses): sign extension, zero extension and truncation of values whose
// dropped or extended bytes hold 0x00, 0xFF and sign bits. Expected values
// computed on a PC.
#include "check.h"

unsigned long vals[] = {0x0000FF7Ful, 0x0080FF01ul, 0xFF800080ul, 0x7F00FF7Ful};
/* expected[v][from][to], as unsigned long */
rom unsigned long expected[4][8][8] = {
 {
  {0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful},
  {0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFFFFFF7Ful, 0xFFFF7Ful, 0xFFFFFF7Ful, 0xFFFFFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful},
 },
 {
  {0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul},
  {0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul, 0x1ul},
  {0x1ul, 0x1ul, 0xFFFFFF01ul, 0xFF01ul, 0xFFFFFF01ul, 0xFFFF01ul, 0xFFFFFF01ul, 0xFFFFFF01ul},
  {0x1ul, 0x1ul, 0xFFFFFF01ul, 0xFF01ul, 0xFF01ul, 0xFF01ul, 0xFF01ul, 0xFF01ul},
  {0x1ul, 0x1ul, 0xFFFFFF01ul, 0xFF01ul, 0xFF80FF01ul, 0x80FF01ul, 0xFF80FF01ul, 0xFF80FF01ul},
  {0x1ul, 0x1ul, 0xFFFFFF01ul, 0xFF01ul, 0xFF80FF01ul, 0x80FF01ul, 0x80FF01ul, 0x80FF01ul},
  {0x1ul, 0x1ul, 0xFFFFFF01ul, 0xFF01ul, 0xFF80FF01ul, 0x80FF01ul, 0x80FF01ul, 0x80FF01ul},
  {0x1ul, 0x1ul, 0xFFFFFF01ul, 0xFF01ul, 0xFF80FF01ul, 0x80FF01ul, 0x80FF01ul, 0x80FF01ul},
 },
 {
  {0xFFFFFF80ul, 0x80ul, 0xFFFFFF80ul, 0xFF80ul, 0xFFFFFF80ul, 0xFFFF80ul, 0xFFFFFF80ul, 0xFFFFFF80ul},
  {0xFFFFFF80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul},
  {0xFFFFFF80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul},
  {0xFFFFFF80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul, 0x80ul},
  {0xFFFFFF80ul, 0x80ul, 0x80ul, 0x80ul, 0xFF800080ul, 0x800080ul, 0xFF800080ul, 0xFF800080ul},
  {0xFFFFFF80ul, 0x80ul, 0x80ul, 0x80ul, 0xFF800080ul, 0x800080ul, 0x800080ul, 0x800080ul},
  {0xFFFFFF80ul, 0x80ul, 0x80ul, 0x80ul, 0xFF800080ul, 0x800080ul, 0xFF800080ul, 0xFF800080ul},
  {0xFFFFFF80ul, 0x80ul, 0x80ul, 0x80ul, 0xFF800080ul, 0x800080ul, 0xFF800080ul, 0xFF800080ul},
 },
 {
  {0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful},
  {0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful, 0x7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFFFFFF7Ful, 0xFFFF7Ful, 0xFFFFFF7Ful, 0xFFFFFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0x7F00FF7Ful, 0x7F00FF7Ful},
  {0x7Ful, 0x7Ful, 0xFFFFFF7Ful, 0xFF7Ful, 0xFF7Ful, 0xFF7Ful, 0x7F00FF7Ful, 0x7F00FF7Ful},
 },
};

static void from_sc(signed char x, rom unsigned long *e)
{
  CHECK((unsigned long)(signed char)x == e[0]); CHECK((unsigned long)(unsigned char)x == e[1]); CHECK((unsigned long)(int)x == e[2]); CHECK((unsigned long)(unsigned int)x == e[3]); CHECK((unsigned long)(short long)x == e[4]); CHECK((unsigned long)(unsigned short long)x == e[5]); CHECK((unsigned long)(long)x == e[6]); CHECK((unsigned long)(unsigned long)x == e[7]);
}
static void from_uc(unsigned char x, rom unsigned long *e)
{
  CHECK((unsigned long)(signed char)x == e[0]); CHECK((unsigned long)(unsigned char)x == e[1]); CHECK((unsigned long)(int)x == e[2]); CHECK((unsigned long)(unsigned int)x == e[3]); CHECK((unsigned long)(short long)x == e[4]); CHECK((unsigned long)(unsigned short long)x == e[5]); CHECK((unsigned long)(long)x == e[6]); CHECK((unsigned long)(unsigned long)x == e[7]);
}
static void from_si(int x, rom unsigned long *e)
{
  CHECK((unsigned long)(signed char)x == e[0]); CHECK((unsigned long)(unsigned char)x == e[1]); CHECK((unsigned long)(int)x == e[2]); CHECK((unsigned long)(unsigned int)x == e[3]); CHECK((unsigned long)(short long)x == e[4]); CHECK((unsigned long)(unsigned short long)x == e[5]); CHECK((unsigned long)(long)x == e[6]); CHECK((unsigned long)(unsigned long)x == e[7]);
}
static void from_ui(unsigned int x, rom unsigned long *e)
{
  CHECK((unsigned long)(signed char)x == e[0]); CHECK((unsigned long)(unsigned char)x == e[1]); CHECK((unsigned long)(int)x == e[2]); CHECK((unsigned long)(unsigned int)x == e[3]); CHECK((unsigned long)(short long)x == e[4]); CHECK((unsigned long)(unsigned short long)x == e[5]); CHECK((unsigned long)(long)x == e[6]); CHECK((unsigned long)(unsigned long)x == e[7]);
}
static void from_ss(short long x, rom unsigned long *e)
{
  CHECK((unsigned long)(signed char)x == e[0]); CHECK((unsigned long)(unsigned char)x == e[1]); CHECK((unsigned long)(int)x == e[2]); CHECK((unsigned long)(unsigned int)x == e[3]); CHECK((unsigned long)(short long)x == e[4]); CHECK((unsigned long)(unsigned short long)x == e[5]); CHECK((unsigned long)(long)x == e[6]); CHECK((unsigned long)(unsigned long)x == e[7]);
}
static void from_us(unsigned short long x, rom unsigned long *e)
{
  CHECK((unsigned long)(signed char)x == e[0]); CHECK((unsigned long)(unsigned char)x == e[1]); CHECK((unsigned long)(int)x == e[2]); CHECK((unsigned long)(unsigned int)x == e[3]); CHECK((unsigned long)(short long)x == e[4]); CHECK((unsigned long)(unsigned short long)x == e[5]); CHECK((unsigned long)(long)x == e[6]); CHECK((unsigned long)(unsigned long)x == e[7]);
}
static void from_sl(long x, rom unsigned long *e)
{
  CHECK((unsigned long)(signed char)x == e[0]); CHECK((unsigned long)(unsigned char)x == e[1]); CHECK((unsigned long)(int)x == e[2]); CHECK((unsigned long)(unsigned int)x == e[3]); CHECK((unsigned long)(short long)x == e[4]); CHECK((unsigned long)(unsigned short long)x == e[5]); CHECK((unsigned long)(long)x == e[6]); CHECK((unsigned long)(unsigned long)x == e[7]);
}
static void from_ul(unsigned long x, rom unsigned long *e)
{
  CHECK((unsigned long)(signed char)x == e[0]); CHECK((unsigned long)(unsigned char)x == e[1]); CHECK((unsigned long)(int)x == e[2]); CHECK((unsigned long)(unsigned int)x == e[3]); CHECK((unsigned long)(short long)x == e[4]); CHECK((unsigned long)(unsigned short long)x == e[5]); CHECK((unsigned long)(long)x == e[6]); CHECK((unsigned long)(unsigned long)x == e[7]);
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof vals / sizeof vals[0]; i++) {
    from_sc((signed char)vals[i], expected[i][0]);
    from_uc((unsigned char)vals[i], expected[i][1]);
    from_si((int)vals[i], expected[i][2]);
    from_ui((unsigned int)vals[i], expected[i][3]);
    from_ss((short long)vals[i], expected[i][4]);
    from_us((unsigned short long)vals[i], expected[i][5]);
    from_sl((long)vals[i], expected[i][6]);
    from_ul((unsigned long)vals[i], expected[i][7]);
  }
  return CHECK_RESULT();
}
