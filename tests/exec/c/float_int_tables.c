// Conversions between float and every integer type, both ways, through tables:
// float to integer truncates towards zero at the edges of each type's range;
// integers wider than the 24-bit significand round to nearest, ties to even
// (16777217 to 16777216, 16777219 to 16777220). Expected values computed on a
// PC.
#include "check.h"

typedef struct { unsigned long f; long v; } to_t;
typedef struct { long v; unsigned long f; } from_t;
typedef union { unsigned long u; float f; } fu_t;

to_t to_sc[] = {{0x42FFFAE1ul, 127}, {0xC300E666ul, -128}, {0xBF7D70A4ul, 0}, {0x3F000000ul, 0}, {0x42C90000ul, 100}, {0xBF800000ul, -1}};
to_t to_uc[] = {{0x437FE666ul, 255}, {0x3F7D70A4ul, 0}, {0x43000000ul, 128}, {0x4348B333ul, 200}, {0x3FC00000ul, 1}};
to_t to_si[] = {{0x46FFFF00ul, 32767}, {0xC70000E6ul, -32768l}, {0xBFC00000ul, -1}, {0x447A3FF0ul, 1000}, {0xBECCCCCDul, 0}};
to_t to_ui[] = {{0x477FFFE6ul, 65535l}, {0x47000000ul, 32768l}, {0x471C4080ul, 40000l}, {0x00000000ul, 0}, {0x437F8000ul, 255}};
to_t to_ss[] = {{0x4AFFFFFEul, 8388607l}, {0xCB000000ul, -8388608l}, {0xC7800040ul, -65536l}, {0x47F1205Aul, 123456l}, {0xBFFEB852ul, -1}};
to_t to_us[] = {{0x4B7FFFFFul, 16777215l}, {0x4B000000ul, 8388608l}, {0x477FFFFDul, 65535l}, {0x3F800000ul, 1}};
to_t to_sl[] = {{0x4EFFFFFFul, 2147483520l}, {0xCF000000ul, (-2147483647l - 1)}, {0xCB800000ul, -16777216l}, {0x4B7FFFFFul, 16777215l}, {0xC7C34FFFul, -99999l}, {0x3F400000ul, 0}};
to_t to_ul[] = {{0x4F7FFFFFul, -256}, {0x4F000000ul, (-2147483647l - 1)}, {0x47800000ul, 65536l}, {0x4B800000ul, 16777216l}, {0x407FFE5Dul, 3}};
from_t from_sc[] = {{-128, 0xC3000000ul}, {127, 0x42FE0000ul}, {-1, 0xBF800000ul}, {0, 0x00000000ul}};
from_t from_uc[] = {{255, 0x437F0000ul}, {128, 0x43000000ul}, {1, 0x3F800000ul}};
from_t from_si[] = {{-32768l, 0xC7000000ul}, {32767, 0x46FFFE00ul}, {-1, 0xBF800000ul}, {1000, 0x447A0000ul}};
from_t from_ui[] = {{65535l, 0x477FFF00ul}, {32768l, 0x47000000ul}, {12345, 0x4640E400ul}};
from_t from_ss[] = {{-8388608l, 0xCB000000ul}, {8388607l, 0x4AFFFFFEul}, {8388605l, 0x4AFFFFFAul}, {-65537l, 0xC7800080ul}};
from_t from_us[] = {{16777215l, 0x4B7FFFFFul}, {8388609l, 0x4B000001ul}, {11259375l, 0x4B2BCDEFul}};
from_t from_sl[] = {{16777217l, 0x4B800000ul}, {16777219l, 0x4B800002ul}, {-16777217l, 0xCB800000ul}, {2147483647l, 0x4F000000ul}, {(-2147483647l - 1), 0xCF000000ul}, {2147483584l, 0x4F000000ul}, {2147483583l, 0x4EFFFFFFul}, {33554435l, 0x4C000001ul}};
from_t from_ul[] = {{-1, 0x4F800000ul}, {-2147483647l, 0x4F000000ul}, {-129, 0x4F7FFFFFul}, {-128, 0x4F800000ul}, {16777217l, 0x4B800000ul}, {-1985229329l, 0x4F09ABCEul}};

static unsigned long bits(float f) { fu_t x; x.f = f; return x.u; }

int main(void)
{
  unsigned char i;
  fu_t x;
  for (i = 0; i < sizeof to_sc / sizeof to_sc[0]; i++) {
    signed char v; x.u = to_sc[i].f; v = x.f; CHECK(v == (signed char)to_sc[i].v);
  }
  for (i = 0; i < sizeof to_uc / sizeof to_uc[0]; i++) {
    unsigned char v; x.u = to_uc[i].f; v = x.f; CHECK(v == (unsigned char)to_uc[i].v);
  }
  for (i = 0; i < sizeof to_si / sizeof to_si[0]; i++) {
    int v; x.u = to_si[i].f; v = x.f; CHECK(v == (int)to_si[i].v);
  }
  for (i = 0; i < sizeof to_ui / sizeof to_ui[0]; i++) {
    unsigned int v; x.u = to_ui[i].f; v = x.f; CHECK(v == (unsigned int)to_ui[i].v);
  }
  for (i = 0; i < sizeof to_ss / sizeof to_ss[0]; i++) {
    short long v; x.u = to_ss[i].f; v = x.f; CHECK(v == (short long)to_ss[i].v);
  }
  for (i = 0; i < sizeof to_us / sizeof to_us[0]; i++) {
    unsigned short long v; x.u = to_us[i].f; v = x.f; CHECK(v == (unsigned short long)to_us[i].v);
  }
  for (i = 0; i < sizeof to_sl / sizeof to_sl[0]; i++) {
    long v; x.u = to_sl[i].f; v = x.f; CHECK(v == (long)to_sl[i].v);
  }
  for (i = 0; i < sizeof to_ul / sizeof to_ul[0]; i++) {
    unsigned long v; x.u = to_ul[i].f; v = x.f; CHECK(v == (unsigned long)to_ul[i].v);
  }
  for (i = 0; i < sizeof from_sc / sizeof from_sc[0]; i++) {
    signed char v = (signed char)from_sc[i].v; x.f = v; CHECK(x.u == from_sc[i].f);
  }
  for (i = 0; i < sizeof from_uc / sizeof from_uc[0]; i++) {
    unsigned char v = (unsigned char)from_uc[i].v; x.f = v; CHECK(x.u == from_uc[i].f);
  }
  for (i = 0; i < sizeof from_si / sizeof from_si[0]; i++) {
    int v = (int)from_si[i].v; x.f = v; CHECK(x.u == from_si[i].f);
  }
  for (i = 0; i < sizeof from_ui / sizeof from_ui[0]; i++) {
    unsigned int v = (unsigned int)from_ui[i].v; x.f = v; CHECK(x.u == from_ui[i].f);
  }
  for (i = 0; i < sizeof from_ss / sizeof from_ss[0]; i++) {
    short long v = (short long)from_ss[i].v; x.f = v; CHECK(x.u == from_ss[i].f);
  }
  for (i = 0; i < sizeof from_us / sizeof from_us[0]; i++) {
    unsigned short long v = (unsigned short long)from_us[i].v; x.f = v; CHECK(x.u == from_us[i].f);
  }
  for (i = 0; i < sizeof from_sl / sizeof from_sl[0]; i++) {
    long v = (long)from_sl[i].v; x.f = v; CHECK(x.u == from_sl[i].f);
  }
  for (i = 0; i < sizeof from_ul / sizeof from_ul[0]; i++) {
    unsigned long v = (unsigned long)from_ul[i].v; x.f = v; CHECK(x.u == from_ul[i].f);
  }
  {
    /* Out of range: folded constants convert as the run-time helper does,
       modulo 2 to the 32nd; a constant too large for a float (infinite)
       gives 0. */
    volatile float big = 5e9f, huge = 1e30f;
    long line = 21.5e+38;
    CHECK((long)5e9f == (long)big && (long)5e9f == 705032704L);
    CHECK((long)1e30f == (long)huge && line == 0);
    CHECK((unsigned long)-3e9f == (unsigned long)(long)-3e9f);
  }
  return CHECK_RESULT();
}
