/* unsigned int arithmetic at boundary values: every operator on globals, on
   parameters and locals in the frame, with constant right operands, and
   as compound assignments; shifts by constant and variable counts. The
   expected results were computed on the host with 16-bit wrap-around
   (division truncating toward zero; x / 0 and x % 0 as docs/runtime.md
   gives them). */
#include "check.h"

unsigned int ga, gb, gr;
unsigned char gn;

static unsigned int add_u16(unsigned int a, unsigned int b) { unsigned int r; r = a + b; return r; }
static unsigned int adda_u16(unsigned int a, unsigned int b) { a += b; return a; }
static unsigned int sub_u16(unsigned int a, unsigned int b) { unsigned int r; r = a - b; return r; }
static unsigned int suba_u16(unsigned int a, unsigned int b) { a -= b; return a; }
static unsigned int mul_u16(unsigned int a, unsigned int b) { unsigned int r; r = a * b; return r; }
static unsigned int mula_u16(unsigned int a, unsigned int b) { a *= b; return a; }
static unsigned int and_u16(unsigned int a, unsigned int b) { unsigned int r; r = a & b; return r; }
static unsigned int anda_u16(unsigned int a, unsigned int b) { a &= b; return a; }
static unsigned int or_u16(unsigned int a, unsigned int b) { unsigned int r; r = a | b; return r; }
static unsigned int ora_u16(unsigned int a, unsigned int b) { a |= b; return a; }
static unsigned int xor_u16(unsigned int a, unsigned int b) { unsigned int r; r = a ^ b; return r; }
static unsigned int xora_u16(unsigned int a, unsigned int b) { a ^= b; return a; }
static unsigned int div_u16(unsigned int a, unsigned int b) { unsigned int r; r = a / b; return r; }
static unsigned int diva_u16(unsigned int a, unsigned int b) { a /= b; return a; }
static unsigned int mod_u16(unsigned int a, unsigned int b) { unsigned int r; r = a % b; return r; }
static unsigned int moda_u16(unsigned int a, unsigned int b) { a %= b; return a; }
static unsigned int shl_u16(unsigned int a, unsigned char n) { return a << n; }
static unsigned int shr_u16(unsigned int a, unsigned char n) { unsigned int r; r = a; r >>= n; return r; }

void main(void)
{
  ga = 0u; gb = 1u;
  gr = ga + gb; CHECK(gr == 1u); gr = ga; gr += gb; CHECK(gr == 1u); CHECK(add_u16(ga, gb) == 1u); CHECK(adda_u16(ga, gb) == 1u);
  gr = ga - gb; CHECK(gr == 65535u); gr = ga; gr -= gb; CHECK(gr == 65535u); CHECK(sub_u16(ga, gb) == 65535u); CHECK(suba_u16(ga, gb) == 65535u);
  gr = ga * gb; CHECK(gr == 0u); gr = ga; gr *= gb; CHECK(gr == 0u); CHECK(mul_u16(ga, gb) == 0u); CHECK(mula_u16(ga, gb) == 0u);
  gr = ga & gb; CHECK(gr == 0u); gr = ga; gr &= gb; CHECK(gr == 0u); CHECK(and_u16(ga, gb) == 0u); CHECK(anda_u16(ga, gb) == 0u);
  gr = ga | gb; CHECK(gr == 1u); gr = ga; gr |= gb; CHECK(gr == 1u); CHECK(or_u16(ga, gb) == 1u); CHECK(ora_u16(ga, gb) == 1u);
  gr = ga ^ gb; CHECK(gr == 1u); gr = ga; gr ^= gb; CHECK(gr == 1u); CHECK(xor_u16(ga, gb) == 1u); CHECK(xora_u16(ga, gb) == 1u);
  gr = ga / gb; CHECK(gr == 0u); gr = ga; gr /= gb; CHECK(gr == 0u); CHECK(div_u16(ga, gb) == 0u); CHECK(diva_u16(ga, gb) == 0u);
  gr = ga % gb; CHECK(gr == 0u); gr = ga; gr %= gb; CHECK(gr == 0u); CHECK(mod_u16(ga, gb) == 0u); CHECK(moda_u16(ga, gb) == 0u);
  ga = 65535u; gb = 1u;
  gr = ga + gb; CHECK(gr == 0u); gr = ga; gr += gb; CHECK(gr == 0u); CHECK(add_u16(ga, gb) == 0u); CHECK(adda_u16(ga, gb) == 0u);
  gr = ga - gb; CHECK(gr == 65534u); gr = ga; gr -= gb; CHECK(gr == 65534u); CHECK(sub_u16(ga, gb) == 65534u); CHECK(suba_u16(ga, gb) == 65534u);
  gr = ga * gb; CHECK(gr == 65535u); gr = ga; gr *= gb; CHECK(gr == 65535u); CHECK(mul_u16(ga, gb) == 65535u); CHECK(mula_u16(ga, gb) == 65535u);
  gr = ga & gb; CHECK(gr == 1u); gr = ga; gr &= gb; CHECK(gr == 1u); CHECK(and_u16(ga, gb) == 1u); CHECK(anda_u16(ga, gb) == 1u);
  gr = ga | gb; CHECK(gr == 65535u); gr = ga; gr |= gb; CHECK(gr == 65535u); CHECK(or_u16(ga, gb) == 65535u); CHECK(ora_u16(ga, gb) == 65535u);
  gr = ga ^ gb; CHECK(gr == 65534u); gr = ga; gr ^= gb; CHECK(gr == 65534u); CHECK(xor_u16(ga, gb) == 65534u); CHECK(xora_u16(ga, gb) == 65534u);
  gr = ga / gb; CHECK(gr == 65535u); gr = ga; gr /= gb; CHECK(gr == 65535u); CHECK(div_u16(ga, gb) == 65535u); CHECK(diva_u16(ga, gb) == 65535u);
  gr = ga % gb; CHECK(gr == 0u); gr = ga; gr %= gb; CHECK(gr == 0u); CHECK(mod_u16(ga, gb) == 0u); CHECK(moda_u16(ga, gb) == 0u);
  ga = 40000u; gb = 3u;
  gr = ga + gb; CHECK(gr == 40003u); gr = ga; gr += gb; CHECK(gr == 40003u); CHECK(add_u16(ga, gb) == 40003u); CHECK(adda_u16(ga, gb) == 40003u);
  gr = ga - gb; CHECK(gr == 39997u); gr = ga; gr -= gb; CHECK(gr == 39997u); CHECK(sub_u16(ga, gb) == 39997u); CHECK(suba_u16(ga, gb) == 39997u);
  gr = ga * gb; CHECK(gr == 54464u); gr = ga; gr *= gb; CHECK(gr == 54464u); CHECK(mul_u16(ga, gb) == 54464u); CHECK(mula_u16(ga, gb) == 54464u);
  gr = ga & gb; CHECK(gr == 0u); gr = ga; gr &= gb; CHECK(gr == 0u); CHECK(and_u16(ga, gb) == 0u); CHECK(anda_u16(ga, gb) == 0u);
  gr = ga | gb; CHECK(gr == 40003u); gr = ga; gr |= gb; CHECK(gr == 40003u); CHECK(or_u16(ga, gb) == 40003u); CHECK(ora_u16(ga, gb) == 40003u);
  gr = ga ^ gb; CHECK(gr == 40003u); gr = ga; gr ^= gb; CHECK(gr == 40003u); CHECK(xor_u16(ga, gb) == 40003u); CHECK(xora_u16(ga, gb) == 40003u);
  gr = ga / gb; CHECK(gr == 13333u); gr = ga; gr /= gb; CHECK(gr == 13333u); CHECK(div_u16(ga, gb) == 13333u); CHECK(diva_u16(ga, gb) == 13333u);
  gr = ga % gb; CHECK(gr == 1u); gr = ga; gr %= gb; CHECK(gr == 1u); CHECK(mod_u16(ga, gb) == 1u); CHECK(moda_u16(ga, gb) == 1u);
  ga = 300u; gb = 65535u;
  gr = ga + gb; CHECK(gr == 299u); gr = ga; gr += gb; CHECK(gr == 299u); CHECK(add_u16(ga, gb) == 299u); CHECK(adda_u16(ga, gb) == 299u);
  gr = ga - gb; CHECK(gr == 301u); gr = ga; gr -= gb; CHECK(gr == 301u); CHECK(sub_u16(ga, gb) == 301u); CHECK(suba_u16(ga, gb) == 301u);
  gr = ga * gb; CHECK(gr == 65236u); gr = ga; gr *= gb; CHECK(gr == 65236u); CHECK(mul_u16(ga, gb) == 65236u); CHECK(mula_u16(ga, gb) == 65236u);
  gr = ga & gb; CHECK(gr == 300u); gr = ga; gr &= gb; CHECK(gr == 300u); CHECK(and_u16(ga, gb) == 300u); CHECK(anda_u16(ga, gb) == 300u);
  gr = ga | gb; CHECK(gr == 65535u); gr = ga; gr |= gb; CHECK(gr == 65535u); CHECK(or_u16(ga, gb) == 65535u); CHECK(ora_u16(ga, gb) == 65535u);
  gr = ga ^ gb; CHECK(gr == 65235u); gr = ga; gr ^= gb; CHECK(gr == 65235u); CHECK(xor_u16(ga, gb) == 65235u); CHECK(xora_u16(ga, gb) == 65235u);
  gr = ga / gb; CHECK(gr == 0u); gr = ga; gr /= gb; CHECK(gr == 0u); CHECK(div_u16(ga, gb) == 0u); CHECK(diva_u16(ga, gb) == 0u);
  gr = ga % gb; CHECK(gr == 300u); gr = ga; gr %= gb; CHECK(gr == 300u); CHECK(mod_u16(ga, gb) == 300u); CHECK(moda_u16(ga, gb) == 300u);
  ga = 32768u; gb = 16u;
  gr = ga + gb; CHECK(gr == 32784u); gr = ga; gr += gb; CHECK(gr == 32784u); CHECK(add_u16(ga, gb) == 32784u); CHECK(adda_u16(ga, gb) == 32784u);
  gr = ga - gb; CHECK(gr == 32752u); gr = ga; gr -= gb; CHECK(gr == 32752u); CHECK(sub_u16(ga, gb) == 32752u); CHECK(suba_u16(ga, gb) == 32752u);
  gr = ga * gb; CHECK(gr == 0u); gr = ga; gr *= gb; CHECK(gr == 0u); CHECK(mul_u16(ga, gb) == 0u); CHECK(mula_u16(ga, gb) == 0u);
  gr = ga & gb; CHECK(gr == 0u); gr = ga; gr &= gb; CHECK(gr == 0u); CHECK(and_u16(ga, gb) == 0u); CHECK(anda_u16(ga, gb) == 0u);
  gr = ga | gb; CHECK(gr == 32784u); gr = ga; gr |= gb; CHECK(gr == 32784u); CHECK(or_u16(ga, gb) == 32784u); CHECK(ora_u16(ga, gb) == 32784u);
  gr = ga ^ gb; CHECK(gr == 32784u); gr = ga; gr ^= gb; CHECK(gr == 32784u); CHECK(xor_u16(ga, gb) == 32784u); CHECK(xora_u16(ga, gb) == 32784u);
  gr = ga / gb; CHECK(gr == 2048u); gr = ga; gr /= gb; CHECK(gr == 2048u); CHECK(div_u16(ga, gb) == 2048u); CHECK(diva_u16(ga, gb) == 2048u);
  gr = ga % gb; CHECK(gr == 0u); gr = ga; gr %= gb; CHECK(gr == 0u); CHECK(mod_u16(ga, gb) == 0u); CHECK(moda_u16(ga, gb) == 0u);
  ga = 1000u; gb = 0u;
  gr = ga + gb; CHECK(gr == 1000u); gr = ga; gr += gb; CHECK(gr == 1000u); CHECK(add_u16(ga, gb) == 1000u); CHECK(adda_u16(ga, gb) == 1000u);
  gr = ga - gb; CHECK(gr == 1000u); gr = ga; gr -= gb; CHECK(gr == 1000u); CHECK(sub_u16(ga, gb) == 1000u); CHECK(suba_u16(ga, gb) == 1000u);
  gr = ga * gb; CHECK(gr == 0u); gr = ga; gr *= gb; CHECK(gr == 0u); CHECK(mul_u16(ga, gb) == 0u); CHECK(mula_u16(ga, gb) == 0u);
  gr = ga & gb; CHECK(gr == 0u); gr = ga; gr &= gb; CHECK(gr == 0u); CHECK(and_u16(ga, gb) == 0u); CHECK(anda_u16(ga, gb) == 0u);
  gr = ga | gb; CHECK(gr == 1000u); gr = ga; gr |= gb; CHECK(gr == 1000u); CHECK(or_u16(ga, gb) == 1000u); CHECK(ora_u16(ga, gb) == 1000u);
  gr = ga ^ gb; CHECK(gr == 1000u); gr = ga; gr ^= gb; CHECK(gr == 1000u); CHECK(xor_u16(ga, gb) == 1000u); CHECK(xora_u16(ga, gb) == 1000u);
  gr = ga / gb; CHECK(gr == 65535u); gr = ga; gr /= gb; CHECK(gr == 65535u); CHECK(div_u16(ga, gb) == 65535u); CHECK(diva_u16(ga, gb) == 65535u);
  gr = ga % gb; CHECK(gr == 1000u); gr = ga; gr %= gb; CHECK(gr == 1000u); CHECK(mod_u16(ga, gb) == 1000u); CHECK(moda_u16(ga, gb) == 1000u);
  ga = 40000u;
  gr = ga + 1u; CHECK(gr == 40001u); gr = ga; gr += 1u; CHECK(gr == 40001u);
  gr = ga - 1u; CHECK(gr == 39999u); gr = ga; gr -= 1u; CHECK(gr == 39999u);
  gr = ga * 1u; CHECK(gr == 40000u); gr = ga; gr *= 1u; CHECK(gr == 40000u);
  gr = ga & 1u; CHECK(gr == 0u); gr = ga; gr &= 1u; CHECK(gr == 0u);
  gr = ga | 1u; CHECK(gr == 40001u); gr = ga; gr |= 1u; CHECK(gr == 40001u);
  gr = ga ^ 1u; CHECK(gr == 40001u); gr = ga; gr ^= 1u; CHECK(gr == 40001u);
  gr = ga / 1u; CHECK(gr == 40000u); gr = ga; gr /= 1u; CHECK(gr == 40000u);
  gr = ga % 1u; CHECK(gr == 0u); gr = ga; gr %= 1u; CHECK(gr == 0u);
  ga = 40000u;
  gr = ga + 65535u; CHECK(gr == 39999u); gr = ga; gr += 65535u; CHECK(gr == 39999u);
  gr = ga - 65535u; CHECK(gr == 40001u); gr = ga; gr -= 65535u; CHECK(gr == 40001u);
  gr = ga * 65535u; CHECK(gr == 25536u); gr = ga; gr *= 65535u; CHECK(gr == 25536u);
  gr = ga & 65535u; CHECK(gr == 40000u); gr = ga; gr &= 65535u; CHECK(gr == 40000u);
  gr = ga | 65535u; CHECK(gr == 65535u); gr = ga; gr |= 65535u; CHECK(gr == 65535u);
  gr = ga ^ 65535u; CHECK(gr == 25535u); gr = ga; gr ^= 65535u; CHECK(gr == 25535u);
  gr = ga / 65535u; CHECK(gr == 0u); gr = ga; gr /= 65535u; CHECK(gr == 0u);
  gr = ga % 65535u; CHECK(gr == 40000u); gr = ga; gr %= 65535u; CHECK(gr == 40000u);
  ga = 4660u;
  gr = ga + 65280u; CHECK(gr == 4404u); gr = ga; gr += 65280u; CHECK(gr == 4404u);
  gr = ga - 65280u; CHECK(gr == 4916u); gr = ga; gr -= 65280u; CHECK(gr == 4916u);
  gr = ga * 65280u; CHECK(gr == 52224u); gr = ga; gr *= 65280u; CHECK(gr == 52224u);
  gr = ga & 65280u; CHECK(gr == 4608u); gr = ga; gr &= 65280u; CHECK(gr == 4608u);
  gr = ga | 65280u; CHECK(gr == 65332u); gr = ga; gr |= 65280u; CHECK(gr == 65332u);
  gr = ga ^ 65280u; CHECK(gr == 60724u); gr = ga; gr ^= 65280u; CHECK(gr == 60724u);
  gr = ga / 65280u; CHECK(gr == 0u); gr = ga; gr /= 65280u; CHECK(gr == 0u);
  gr = ga % 65280u; CHECK(gr == 4660u); gr = ga; gr %= 65280u; CHECK(gr == 4660u);
  ga = 4660u;
  gr = ga + 768u; CHECK(gr == 5428u); gr = ga; gr += 768u; CHECK(gr == 5428u);
  gr = ga - 768u; CHECK(gr == 3892u); gr = ga; gr -= 768u; CHECK(gr == 3892u);
  gr = ga * 768u; CHECK(gr == 39936u); gr = ga; gr *= 768u; CHECK(gr == 39936u);
  gr = ga & 768u; CHECK(gr == 512u); gr = ga; gr &= 768u; CHECK(gr == 512u);
  gr = ga | 768u; CHECK(gr == 4916u); gr = ga; gr |= 768u; CHECK(gr == 4916u);
  gr = ga ^ 768u; CHECK(gr == 4404u); gr = ga; gr ^= 768u; CHECK(gr == 4404u);
  gr = ga / 768u; CHECK(gr == 6u); gr = ga; gr /= 768u; CHECK(gr == 6u);
  gr = ga % 768u; CHECK(gr == 52u); gr = ga; gr %= 768u; CHECK(gr == 52u);
  ga = 1000u;
  gr = ga + 10u; CHECK(gr == 1010u); gr = ga; gr += 10u; CHECK(gr == 1010u);
  gr = ga - 10u; CHECK(gr == 990u); gr = ga; gr -= 10u; CHECK(gr == 990u);
  gr = ga * 10u; CHECK(gr == 10000u); gr = ga; gr *= 10u; CHECK(gr == 10000u);
  gr = ga & 10u; CHECK(gr == 8u); gr = ga; gr &= 10u; CHECK(gr == 8u);
  gr = ga | 10u; CHECK(gr == 1002u); gr = ga; gr |= 10u; CHECK(gr == 1002u);
  gr = ga ^ 10u; CHECK(gr == 994u); gr = ga; gr ^= 10u; CHECK(gr == 994u);
  gr = ga / 10u; CHECK(gr == 100u); gr = ga; gr /= 10u; CHECK(gr == 100u);
  gr = ga % 10u; CHECK(gr == 0u); gr = ga; gr %= 10u; CHECK(gr == 0u);
  ga = 0u;
  gn = 0; gr = ga << 0; CHECK(gr == 0u); gr = ga >> 0; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 1; gr = ga << 1; CHECK(gr == 0u); gr = ga >> 1; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 4; gr = ga << 4; CHECK(gr == 0u); gr = ga >> 4; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 7; gr = ga << 7; CHECK(gr == 0u); gr = ga >> 7; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 8; gr = ga << 8; CHECK(gr == 0u); gr = ga >> 8; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 9; gr = ga << 9; CHECK(gr == 0u); gr = ga >> 9; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 12; gr = ga << 12; CHECK(gr == 0u); gr = ga >> 12; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 15; gr = ga << 15; CHECK(gr == 0u); gr = ga >> 15; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 16; gr = ga << 16; CHECK(gr == 0u); gr = ga >> 16; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  ga = 65535u;
  gn = 0; gr = ga << 0; CHECK(gr == 65535u); gr = ga >> 0; CHECK(gr == 65535u); gr = ga << gn; CHECK(gr == 65535u); gr = ga; gr >>= gn; CHECK(gr == 65535u); CHECK(shl_u16(ga, gn) == 65535u); CHECK(shr_u16(ga, gn) == 65535u);
  gn = 1; gr = ga << 1; CHECK(gr == 65534u); gr = ga >> 1; CHECK(gr == 32767u); gr = ga << gn; CHECK(gr == 65534u); gr = ga; gr >>= gn; CHECK(gr == 32767u); CHECK(shl_u16(ga, gn) == 65534u); CHECK(shr_u16(ga, gn) == 32767u);
  gn = 4; gr = ga << 4; CHECK(gr == 65520u); gr = ga >> 4; CHECK(gr == 4095u); gr = ga << gn; CHECK(gr == 65520u); gr = ga; gr >>= gn; CHECK(gr == 4095u); CHECK(shl_u16(ga, gn) == 65520u); CHECK(shr_u16(ga, gn) == 4095u);
  gn = 7; gr = ga << 7; CHECK(gr == 65408u); gr = ga >> 7; CHECK(gr == 511u); gr = ga << gn; CHECK(gr == 65408u); gr = ga; gr >>= gn; CHECK(gr == 511u); CHECK(shl_u16(ga, gn) == 65408u); CHECK(shr_u16(ga, gn) == 511u);
  gn = 8; gr = ga << 8; CHECK(gr == 65280u); gr = ga >> 8; CHECK(gr == 255u); gr = ga << gn; CHECK(gr == 65280u); gr = ga; gr >>= gn; CHECK(gr == 255u); CHECK(shl_u16(ga, gn) == 65280u); CHECK(shr_u16(ga, gn) == 255u);
  gn = 9; gr = ga << 9; CHECK(gr == 65024u); gr = ga >> 9; CHECK(gr == 127u); gr = ga << gn; CHECK(gr == 65024u); gr = ga; gr >>= gn; CHECK(gr == 127u); CHECK(shl_u16(ga, gn) == 65024u); CHECK(shr_u16(ga, gn) == 127u);
  gn = 12; gr = ga << 12; CHECK(gr == 61440u); gr = ga >> 12; CHECK(gr == 15u); gr = ga << gn; CHECK(gr == 61440u); gr = ga; gr >>= gn; CHECK(gr == 15u); CHECK(shl_u16(ga, gn) == 61440u); CHECK(shr_u16(ga, gn) == 15u);
  gn = 15; gr = ga << 15; CHECK(gr == 32768u); gr = ga >> 15; CHECK(gr == 1u); gr = ga << gn; CHECK(gr == 32768u); gr = ga; gr >>= gn; CHECK(gr == 1u); CHECK(shl_u16(ga, gn) == 32768u); CHECK(shr_u16(ga, gn) == 1u);
  gn = 16; gr = ga << 16; CHECK(gr == 0u); gr = ga >> 16; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  ga = 40000u;
  gn = 0; gr = ga << 0; CHECK(gr == 40000u); gr = ga >> 0; CHECK(gr == 40000u); gr = ga << gn; CHECK(gr == 40000u); gr = ga; gr >>= gn; CHECK(gr == 40000u); CHECK(shl_u16(ga, gn) == 40000u); CHECK(shr_u16(ga, gn) == 40000u);
  gn = 1; gr = ga << 1; CHECK(gr == 14464u); gr = ga >> 1; CHECK(gr == 20000u); gr = ga << gn; CHECK(gr == 14464u); gr = ga; gr >>= gn; CHECK(gr == 20000u); CHECK(shl_u16(ga, gn) == 14464u); CHECK(shr_u16(ga, gn) == 20000u);
  gn = 4; gr = ga << 4; CHECK(gr == 50176u); gr = ga >> 4; CHECK(gr == 2500u); gr = ga << gn; CHECK(gr == 50176u); gr = ga; gr >>= gn; CHECK(gr == 2500u); CHECK(shl_u16(ga, gn) == 50176u); CHECK(shr_u16(ga, gn) == 2500u);
  gn = 7; gr = ga << 7; CHECK(gr == 8192u); gr = ga >> 7; CHECK(gr == 312u); gr = ga << gn; CHECK(gr == 8192u); gr = ga; gr >>= gn; CHECK(gr == 312u); CHECK(shl_u16(ga, gn) == 8192u); CHECK(shr_u16(ga, gn) == 312u);
  gn = 8; gr = ga << 8; CHECK(gr == 16384u); gr = ga >> 8; CHECK(gr == 156u); gr = ga << gn; CHECK(gr == 16384u); gr = ga; gr >>= gn; CHECK(gr == 156u); CHECK(shl_u16(ga, gn) == 16384u); CHECK(shr_u16(ga, gn) == 156u);
  gn = 9; gr = ga << 9; CHECK(gr == 32768u); gr = ga >> 9; CHECK(gr == 78u); gr = ga << gn; CHECK(gr == 32768u); gr = ga; gr >>= gn; CHECK(gr == 78u); CHECK(shl_u16(ga, gn) == 32768u); CHECK(shr_u16(ga, gn) == 78u);
  gn = 12; gr = ga << 12; CHECK(gr == 0u); gr = ga >> 12; CHECK(gr == 9u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 9u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 9u);
  gn = 15; gr = ga << 15; CHECK(gr == 0u); gr = ga >> 15; CHECK(gr == 1u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 1u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 1u);
  gn = 16; gr = ga << 16; CHECK(gr == 0u); gr = ga >> 16; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  ga = 300u;
  gn = 0; gr = ga << 0; CHECK(gr == 300u); gr = ga >> 0; CHECK(gr == 300u); gr = ga << gn; CHECK(gr == 300u); gr = ga; gr >>= gn; CHECK(gr == 300u); CHECK(shl_u16(ga, gn) == 300u); CHECK(shr_u16(ga, gn) == 300u);
  gn = 1; gr = ga << 1; CHECK(gr == 600u); gr = ga >> 1; CHECK(gr == 150u); gr = ga << gn; CHECK(gr == 600u); gr = ga; gr >>= gn; CHECK(gr == 150u); CHECK(shl_u16(ga, gn) == 600u); CHECK(shr_u16(ga, gn) == 150u);
  gn = 4; gr = ga << 4; CHECK(gr == 4800u); gr = ga >> 4; CHECK(gr == 18u); gr = ga << gn; CHECK(gr == 4800u); gr = ga; gr >>= gn; CHECK(gr == 18u); CHECK(shl_u16(ga, gn) == 4800u); CHECK(shr_u16(ga, gn) == 18u);
  gn = 7; gr = ga << 7; CHECK(gr == 38400u); gr = ga >> 7; CHECK(gr == 2u); gr = ga << gn; CHECK(gr == 38400u); gr = ga; gr >>= gn; CHECK(gr == 2u); CHECK(shl_u16(ga, gn) == 38400u); CHECK(shr_u16(ga, gn) == 2u);
  gn = 8; gr = ga << 8; CHECK(gr == 11264u); gr = ga >> 8; CHECK(gr == 1u); gr = ga << gn; CHECK(gr == 11264u); gr = ga; gr >>= gn; CHECK(gr == 1u); CHECK(shl_u16(ga, gn) == 11264u); CHECK(shr_u16(ga, gn) == 1u);
  gn = 9; gr = ga << 9; CHECK(gr == 22528u); gr = ga >> 9; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 22528u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 22528u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 12; gr = ga << 12; CHECK(gr == 49152u); gr = ga >> 12; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 49152u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 49152u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 15; gr = ga << 15; CHECK(gr == 0u); gr = ga >> 15; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 16; gr = ga << 16; CHECK(gr == 0u); gr = ga >> 16; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  ga = 32768u;
  gn = 0; gr = ga << 0; CHECK(gr == 32768u); gr = ga >> 0; CHECK(gr == 32768u); gr = ga << gn; CHECK(gr == 32768u); gr = ga; gr >>= gn; CHECK(gr == 32768u); CHECK(shl_u16(ga, gn) == 32768u); CHECK(shr_u16(ga, gn) == 32768u);
  gn = 1; gr = ga << 1; CHECK(gr == 0u); gr = ga >> 1; CHECK(gr == 16384u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 16384u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 16384u);
  gn = 4; gr = ga << 4; CHECK(gr == 0u); gr = ga >> 4; CHECK(gr == 2048u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 2048u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 2048u);
  gn = 7; gr = ga << 7; CHECK(gr == 0u); gr = ga >> 7; CHECK(gr == 256u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 256u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 256u);
  gn = 8; gr = ga << 8; CHECK(gr == 0u); gr = ga >> 8; CHECK(gr == 128u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 128u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 128u);
  gn = 9; gr = ga << 9; CHECK(gr == 0u); gr = ga >> 9; CHECK(gr == 64u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 64u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 64u);
  gn = 12; gr = ga << 12; CHECK(gr == 0u); gr = ga >> 12; CHECK(gr == 8u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 8u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 8u);
  gn = 15; gr = ga << 15; CHECK(gr == 0u); gr = ga >> 15; CHECK(gr == 1u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 1u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 1u);
  gn = 16; gr = ga << 16; CHECK(gr == 0u); gr = ga >> 16; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  ga = 1000u;
  gn = 0; gr = ga << 0; CHECK(gr == 1000u); gr = ga >> 0; CHECK(gr == 1000u); gr = ga << gn; CHECK(gr == 1000u); gr = ga; gr >>= gn; CHECK(gr == 1000u); CHECK(shl_u16(ga, gn) == 1000u); CHECK(shr_u16(ga, gn) == 1000u);
  gn = 1; gr = ga << 1; CHECK(gr == 2000u); gr = ga >> 1; CHECK(gr == 500u); gr = ga << gn; CHECK(gr == 2000u); gr = ga; gr >>= gn; CHECK(gr == 500u); CHECK(shl_u16(ga, gn) == 2000u); CHECK(shr_u16(ga, gn) == 500u);
  gn = 4; gr = ga << 4; CHECK(gr == 16000u); gr = ga >> 4; CHECK(gr == 62u); gr = ga << gn; CHECK(gr == 16000u); gr = ga; gr >>= gn; CHECK(gr == 62u); CHECK(shl_u16(ga, gn) == 16000u); CHECK(shr_u16(ga, gn) == 62u);
  gn = 7; gr = ga << 7; CHECK(gr == 62464u); gr = ga >> 7; CHECK(gr == 7u); gr = ga << gn; CHECK(gr == 62464u); gr = ga; gr >>= gn; CHECK(gr == 7u); CHECK(shl_u16(ga, gn) == 62464u); CHECK(shr_u16(ga, gn) == 7u);
  gn = 8; gr = ga << 8; CHECK(gr == 59392u); gr = ga >> 8; CHECK(gr == 3u); gr = ga << gn; CHECK(gr == 59392u); gr = ga; gr >>= gn; CHECK(gr == 3u); CHECK(shl_u16(ga, gn) == 59392u); CHECK(shr_u16(ga, gn) == 3u);
  gn = 9; gr = ga << 9; CHECK(gr == 53248u); gr = ga >> 9; CHECK(gr == 1u); gr = ga << gn; CHECK(gr == 53248u); gr = ga; gr >>= gn; CHECK(gr == 1u); CHECK(shl_u16(ga, gn) == 53248u); CHECK(shr_u16(ga, gn) == 1u);
  gn = 12; gr = ga << 12; CHECK(gr == 32768u); gr = ga >> 12; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 32768u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 32768u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 15; gr = ga << 15; CHECK(gr == 0u); gr = ga >> 15; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
  gn = 16; gr = ga << 16; CHECK(gr == 0u); gr = ga >> 16; CHECK(gr == 0u); gr = ga << gn; CHECK(gr == 0u); gr = ga; gr >>= gn; CHECK(gr == 0u); CHECK(shl_u16(ga, gn) == 0u); CHECK(shr_u16(ga, gn) == 0u);
}
