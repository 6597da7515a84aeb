/* signed char arithmetic at boundary values: every operator on globals, on
   parameters and locals in the frame, with constant right operands, and
   as compound assignments; shifts by constant and variable counts. The
   expected results were computed on the host with 8-bit wrap-around
   (division truncating toward zero; x / 0 and x % 0 as docs/runtime.md
   gives them). */
#include "check.h"

signed char ga, gb, gr;
unsigned char gn;

static signed char add_s8(signed char a, signed char b) { signed char r; r = a + b; return r; }
static signed char adda_s8(signed char a, signed char b) { a += b; return a; }
static signed char sub_s8(signed char a, signed char b) { signed char r; r = a - b; return r; }
static signed char suba_s8(signed char a, signed char b) { a -= b; return a; }
static signed char mul_s8(signed char a, signed char b) { signed char r; r = a * b; return r; }
static signed char mula_s8(signed char a, signed char b) { a *= b; return a; }
static signed char and_s8(signed char a, signed char b) { signed char r; r = a & b; return r; }
static signed char anda_s8(signed char a, signed char b) { a &= b; return a; }
static signed char or_s8(signed char a, signed char b) { signed char r; r = a | b; return r; }
static signed char ora_s8(signed char a, signed char b) { a |= b; return a; }
static signed char xor_s8(signed char a, signed char b) { signed char r; r = a ^ b; return r; }
static signed char xora_s8(signed char a, signed char b) { a ^= b; return a; }
static signed char div_s8(signed char a, signed char b) { signed char r; r = a / b; return r; }
static signed char diva_s8(signed char a, signed char b) { a /= b; return a; }
static signed char mod_s8(signed char a, signed char b) { signed char r; r = a % b; return r; }
static signed char moda_s8(signed char a, signed char b) { a %= b; return a; }
static signed char shl_s8(signed char a, unsigned char n) { return a << n; }
static signed char shr_s8(signed char a, unsigned char n) { signed char r; r = a; r >>= n; return r; }

void main(void)
{
  ga = 1; gb = -1;
  gr = ga + gb; CHECK(gr == 0); gr = ga; gr += gb; CHECK(gr == 0); CHECK(add_s8(ga, gb) == 0); CHECK(adda_s8(ga, gb) == 0);
  gr = ga - gb; CHECK(gr == 2); gr = ga; gr -= gb; CHECK(gr == 2); CHECK(sub_s8(ga, gb) == 2); CHECK(suba_s8(ga, gb) == 2);
  gr = ga * gb; CHECK(gr == -1); gr = ga; gr *= gb; CHECK(gr == -1); CHECK(mul_s8(ga, gb) == -1); CHECK(mula_s8(ga, gb) == -1);
  gr = ga & gb; CHECK(gr == 1); gr = ga; gr &= gb; CHECK(gr == 1); CHECK(and_s8(ga, gb) == 1); CHECK(anda_s8(ga, gb) == 1);
  gr = ga | gb; CHECK(gr == -1); gr = ga; gr |= gb; CHECK(gr == -1); CHECK(or_s8(ga, gb) == -1); CHECK(ora_s8(ga, gb) == -1);
  gr = ga ^ gb; CHECK(gr == -2); gr = ga; gr ^= gb; CHECK(gr == -2); CHECK(xor_s8(ga, gb) == -2); CHECK(xora_s8(ga, gb) == -2);
  gr = ga / gb; CHECK(gr == -1); gr = ga; gr /= gb; CHECK(gr == -1); CHECK(div_s8(ga, gb) == -1); CHECK(diva_s8(ga, gb) == -1);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s8(ga, gb) == 0); CHECK(moda_s8(ga, gb) == 0);
  ga = 127; gb = 1;
  gr = ga + gb; CHECK(gr == -128); gr = ga; gr += gb; CHECK(gr == -128); CHECK(add_s8(ga, gb) == -128); CHECK(adda_s8(ga, gb) == -128);
  gr = ga - gb; CHECK(gr == 126); gr = ga; gr -= gb; CHECK(gr == 126); CHECK(sub_s8(ga, gb) == 126); CHECK(suba_s8(ga, gb) == 126);
  gr = ga * gb; CHECK(gr == 127); gr = ga; gr *= gb; CHECK(gr == 127); CHECK(mul_s8(ga, gb) == 127); CHECK(mula_s8(ga, gb) == 127);
  gr = ga & gb; CHECK(gr == 1); gr = ga; gr &= gb; CHECK(gr == 1); CHECK(and_s8(ga, gb) == 1); CHECK(anda_s8(ga, gb) == 1);
  gr = ga | gb; CHECK(gr == 127); gr = ga; gr |= gb; CHECK(gr == 127); CHECK(or_s8(ga, gb) == 127); CHECK(ora_s8(ga, gb) == 127);
  gr = ga ^ gb; CHECK(gr == 126); gr = ga; gr ^= gb; CHECK(gr == 126); CHECK(xor_s8(ga, gb) == 126); CHECK(xora_s8(ga, gb) == 126);
  gr = ga / gb; CHECK(gr == 127); gr = ga; gr /= gb; CHECK(gr == 127); CHECK(div_s8(ga, gb) == 127); CHECK(diva_s8(ga, gb) == 127);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s8(ga, gb) == 0); CHECK(moda_s8(ga, gb) == 0);
  ga = -128; gb = -1;
  gr = ga + gb; CHECK(gr == 127); gr = ga; gr += gb; CHECK(gr == 127); CHECK(add_s8(ga, gb) == 127); CHECK(adda_s8(ga, gb) == 127);
  gr = ga - gb; CHECK(gr == -127); gr = ga; gr -= gb; CHECK(gr == -127); CHECK(sub_s8(ga, gb) == -127); CHECK(suba_s8(ga, gb) == -127);
  gr = ga * gb; CHECK(gr == -128); gr = ga; gr *= gb; CHECK(gr == -128); CHECK(mul_s8(ga, gb) == -128); CHECK(mula_s8(ga, gb) == -128);
  gr = ga & gb; CHECK(gr == -128); gr = ga; gr &= gb; CHECK(gr == -128); CHECK(and_s8(ga, gb) == -128); CHECK(anda_s8(ga, gb) == -128);
  gr = ga | gb; CHECK(gr == -1); gr = ga; gr |= gb; CHECK(gr == -1); CHECK(or_s8(ga, gb) == -1); CHECK(ora_s8(ga, gb) == -1);
  gr = ga ^ gb; CHECK(gr == 127); gr = ga; gr ^= gb; CHECK(gr == 127); CHECK(xor_s8(ga, gb) == 127); CHECK(xora_s8(ga, gb) == 127);
  gr = ga / gb; CHECK(gr == -128); gr = ga; gr /= gb; CHECK(gr == -128); CHECK(div_s8(ga, gb) == -128); CHECK(diva_s8(ga, gb) == -128);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s8(ga, gb) == 0); CHECK(moda_s8(ga, gb) == 0);
  ga = -128; gb = 2;
  gr = ga + gb; CHECK(gr == -126); gr = ga; gr += gb; CHECK(gr == -126); CHECK(add_s8(ga, gb) == -126); CHECK(adda_s8(ga, gb) == -126);
  gr = ga - gb; CHECK(gr == 126); gr = ga; gr -= gb; CHECK(gr == 126); CHECK(sub_s8(ga, gb) == 126); CHECK(suba_s8(ga, gb) == 126);
  gr = ga * gb; CHECK(gr == 0); gr = ga; gr *= gb; CHECK(gr == 0); CHECK(mul_s8(ga, gb) == 0); CHECK(mula_s8(ga, gb) == 0);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_s8(ga, gb) == 0); CHECK(anda_s8(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == -126); gr = ga; gr |= gb; CHECK(gr == -126); CHECK(or_s8(ga, gb) == -126); CHECK(ora_s8(ga, gb) == -126);
  gr = ga ^ gb; CHECK(gr == -126); gr = ga; gr ^= gb; CHECK(gr == -126); CHECK(xor_s8(ga, gb) == -126); CHECK(xora_s8(ga, gb) == -126);
  gr = ga / gb; CHECK(gr == -64); gr = ga; gr /= gb; CHECK(gr == -64); CHECK(div_s8(ga, gb) == -64); CHECK(diva_s8(ga, gb) == -64);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s8(ga, gb) == 0); CHECK(moda_s8(ga, gb) == 0);
  ga = -100; gb = 7;
  gr = ga + gb; CHECK(gr == -93); gr = ga; gr += gb; CHECK(gr == -93); CHECK(add_s8(ga, gb) == -93); CHECK(adda_s8(ga, gb) == -93);
  gr = ga - gb; CHECK(gr == -107); gr = ga; gr -= gb; CHECK(gr == -107); CHECK(sub_s8(ga, gb) == -107); CHECK(suba_s8(ga, gb) == -107);
  gr = ga * gb; CHECK(gr == 68); gr = ga; gr *= gb; CHECK(gr == 68); CHECK(mul_s8(ga, gb) == 68); CHECK(mula_s8(ga, gb) == 68);
  gr = ga & gb; CHECK(gr == 4); gr = ga; gr &= gb; CHECK(gr == 4); CHECK(and_s8(ga, gb) == 4); CHECK(anda_s8(ga, gb) == 4);
  gr = ga | gb; CHECK(gr == -97); gr = ga; gr |= gb; CHECK(gr == -97); CHECK(or_s8(ga, gb) == -97); CHECK(ora_s8(ga, gb) == -97);
  gr = ga ^ gb; CHECK(gr == -101); gr = ga; gr ^= gb; CHECK(gr == -101); CHECK(xor_s8(ga, gb) == -101); CHECK(xora_s8(ga, gb) == -101);
  gr = ga / gb; CHECK(gr == -14); gr = ga; gr /= gb; CHECK(gr == -14); CHECK(div_s8(ga, gb) == -14); CHECK(diva_s8(ga, gb) == -14);
  gr = ga % gb; CHECK(gr == -2); gr = ga; gr %= gb; CHECK(gr == -2); CHECK(mod_s8(ga, gb) == -2); CHECK(moda_s8(ga, gb) == -2);
  ga = 100; gb = -7;
  gr = ga + gb; CHECK(gr == 93); gr = ga; gr += gb; CHECK(gr == 93); CHECK(add_s8(ga, gb) == 93); CHECK(adda_s8(ga, gb) == 93);
  gr = ga - gb; CHECK(gr == 107); gr = ga; gr -= gb; CHECK(gr == 107); CHECK(sub_s8(ga, gb) == 107); CHECK(suba_s8(ga, gb) == 107);
  gr = ga * gb; CHECK(gr == 68); gr = ga; gr *= gb; CHECK(gr == 68); CHECK(mul_s8(ga, gb) == 68); CHECK(mula_s8(ga, gb) == 68);
  gr = ga & gb; CHECK(gr == 96); gr = ga; gr &= gb; CHECK(gr == 96); CHECK(and_s8(ga, gb) == 96); CHECK(anda_s8(ga, gb) == 96);
  gr = ga | gb; CHECK(gr == -3); gr = ga; gr |= gb; CHECK(gr == -3); CHECK(or_s8(ga, gb) == -3); CHECK(ora_s8(ga, gb) == -3);
  gr = ga ^ gb; CHECK(gr == -99); gr = ga; gr ^= gb; CHECK(gr == -99); CHECK(xor_s8(ga, gb) == -99); CHECK(xora_s8(ga, gb) == -99);
  gr = ga / gb; CHECK(gr == -14); gr = ga; gr /= gb; CHECK(gr == -14); CHECK(div_s8(ga, gb) == -14); CHECK(diva_s8(ga, gb) == -14);
  gr = ga % gb; CHECK(gr == 2); gr = ga; gr %= gb; CHECK(gr == 2); CHECK(mod_s8(ga, gb) == 2); CHECK(moda_s8(ga, gb) == 2);
  ga = -5; gb = 0;
  gr = ga + gb; CHECK(gr == -5); gr = ga; gr += gb; CHECK(gr == -5); CHECK(add_s8(ga, gb) == -5); CHECK(adda_s8(ga, gb) == -5);
  gr = ga - gb; CHECK(gr == -5); gr = ga; gr -= gb; CHECK(gr == -5); CHECK(sub_s8(ga, gb) == -5); CHECK(suba_s8(ga, gb) == -5);
  gr = ga * gb; CHECK(gr == 0); gr = ga; gr *= gb; CHECK(gr == 0); CHECK(mul_s8(ga, gb) == 0); CHECK(mula_s8(ga, gb) == 0);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_s8(ga, gb) == 0); CHECK(anda_s8(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == -5); gr = ga; gr |= gb; CHECK(gr == -5); CHECK(or_s8(ga, gb) == -5); CHECK(ora_s8(ga, gb) == -5);
  gr = ga ^ gb; CHECK(gr == -5); gr = ga; gr ^= gb; CHECK(gr == -5); CHECK(xor_s8(ga, gb) == -5); CHECK(xora_s8(ga, gb) == -5);
  gr = ga / gb; CHECK(gr == 1); gr = ga; gr /= gb; CHECK(gr == 1); CHECK(div_s8(ga, gb) == 1); CHECK(diva_s8(ga, gb) == 1);
  gr = ga % gb; CHECK(gr == -5); gr = ga; gr %= gb; CHECK(gr == -5); CHECK(mod_s8(ga, gb) == -5); CHECK(moda_s8(ga, gb) == -5);
  ga = -100;
  gr = ga + 1; CHECK(gr == -99); gr = ga; gr += 1; CHECK(gr == -99);
  gr = ga - 1; CHECK(gr == -101); gr = ga; gr -= 1; CHECK(gr == -101);
  gr = ga * 1; CHECK(gr == -100); gr = ga; gr *= 1; CHECK(gr == -100);
  gr = ga & 1; CHECK(gr == 0); gr = ga; gr &= 1; CHECK(gr == 0);
  gr = ga | 1; CHECK(gr == -99); gr = ga; gr |= 1; CHECK(gr == -99);
  gr = ga ^ 1; CHECK(gr == -99); gr = ga; gr ^= 1; CHECK(gr == -99);
  gr = ga / 1; CHECK(gr == -100); gr = ga; gr /= 1; CHECK(gr == -100);
  gr = ga % 1; CHECK(gr == 0); gr = ga; gr %= 1; CHECK(gr == 0);
  ga = -100;
  gr = ga + -1; CHECK(gr == -101); gr = ga; gr += -1; CHECK(gr == -101);
  gr = ga - -1; CHECK(gr == -99); gr = ga; gr -= -1; CHECK(gr == -99);
  gr = ga * -1; CHECK(gr == 100); gr = ga; gr *= -1; CHECK(gr == 100);
  gr = ga & -1; CHECK(gr == -100); gr = ga; gr &= -1; CHECK(gr == -100);
  gr = ga | -1; CHECK(gr == -1); gr = ga; gr |= -1; CHECK(gr == -1);
  gr = ga ^ -1; CHECK(gr == 99); gr = ga; gr ^= -1; CHECK(gr == 99);
  gr = ga / -1; CHECK(gr == 100); gr = ga; gr /= -1; CHECK(gr == 100);
  gr = ga % -1; CHECK(gr == 0); gr = ga; gr %= -1; CHECK(gr == 0);
  ga = -77;
  gr = ga + -128; CHECK(gr == 51); gr = ga; gr += -128; CHECK(gr == 51);
  gr = ga - -128; CHECK(gr == 51); gr = ga; gr -= -128; CHECK(gr == 51);
  gr = ga * -128; CHECK(gr == -128); gr = ga; gr *= -128; CHECK(gr == -128);
  gr = ga & -128; CHECK(gr == -128); gr = ga; gr &= -128; CHECK(gr == -128);
  gr = ga | -128; CHECK(gr == -77); gr = ga; gr |= -128; CHECK(gr == -77);
  gr = ga ^ -128; CHECK(gr == 51); gr = ga; gr ^= -128; CHECK(gr == 51);
  gr = ga / -128; CHECK(gr == 0); gr = ga; gr /= -128; CHECK(gr == 0);
  gr = ga % -128; CHECK(gr == -77); gr = ga; gr %= -128; CHECK(gr == -77);
  ga = -3;
  gr = ga + 3; CHECK(gr == 0); gr = ga; gr += 3; CHECK(gr == 0);
  gr = ga - 3; CHECK(gr == -6); gr = ga; gr -= 3; CHECK(gr == -6);
  gr = ga * 3; CHECK(gr == -9); gr = ga; gr *= 3; CHECK(gr == -9);
  gr = ga & 3; CHECK(gr == 1); gr = ga; gr &= 3; CHECK(gr == 1);
  gr = ga | 3; CHECK(gr == -1); gr = ga; gr |= 3; CHECK(gr == -1);
  gr = ga ^ 3; CHECK(gr == -2); gr = ga; gr ^= 3; CHECK(gr == -2);
  gr = ga / 3; CHECK(gr == -1); gr = ga; gr /= 3; CHECK(gr == -1);
  gr = ga % 3; CHECK(gr == 0); gr = ga; gr %= 3; CHECK(gr == 0);
  ga = 1;
  gn = 0; gr = ga << 0; CHECK(gr == 1); gr = ga >> 0; CHECK(gr == 1); gr = ga << gn; CHECK(gr == 1); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_s8(ga, gn) == 1); CHECK(shr_s8(ga, gn) == 1);
  gn = 1; gr = ga << 1; CHECK(gr == 2); gr = ga >> 1; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 2); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s8(ga, gn) == 2); CHECK(shr_s8(ga, gn) == 0);
  gn = 4; gr = ga << 4; CHECK(gr == 16); gr = ga >> 4; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 16); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s8(ga, gn) == 16); CHECK(shr_s8(ga, gn) == 0);
  gn = 7; gr = ga << 7; CHECK(gr == -128); gr = ga >> 7; CHECK(gr == 0); gr = ga << gn; CHECK(gr == -128); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s8(ga, gn) == -128); CHECK(shr_s8(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == 0);
  ga = 127;
  gn = 0; gr = ga << 0; CHECK(gr == 127); gr = ga >> 0; CHECK(gr == 127); gr = ga << gn; CHECK(gr == 127); gr = ga; gr >>= gn; CHECK(gr == 127); CHECK(shl_s8(ga, gn) == 127); CHECK(shr_s8(ga, gn) == 127);
  gn = 1; gr = ga << 1; CHECK(gr == -2); gr = ga >> 1; CHECK(gr == 63); gr = ga << gn; CHECK(gr == -2); gr = ga; gr >>= gn; CHECK(gr == 63); CHECK(shl_s8(ga, gn) == -2); CHECK(shr_s8(ga, gn) == 63);
  gn = 4; gr = ga << 4; CHECK(gr == -16); gr = ga >> 4; CHECK(gr == 7); gr = ga << gn; CHECK(gr == -16); gr = ga; gr >>= gn; CHECK(gr == 7); CHECK(shl_s8(ga, gn) == -16); CHECK(shr_s8(ga, gn) == 7);
  gn = 7; gr = ga << 7; CHECK(gr == -128); gr = ga >> 7; CHECK(gr == 0); gr = ga << gn; CHECK(gr == -128); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s8(ga, gn) == -128); CHECK(shr_s8(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == 0);
  ga = -128;
  gn = 0; gr = ga << 0; CHECK(gr == -128); gr = ga >> 0; CHECK(gr == -128); gr = ga << gn; CHECK(gr == -128); gr = ga; gr >>= gn; CHECK(gr == -128); CHECK(shl_s8(ga, gn) == -128); CHECK(shr_s8(ga, gn) == -128);
  gn = 1; gr = ga << 1; CHECK(gr == 0); gr = ga >> 1; CHECK(gr == -64); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -64); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -64);
  gn = 4; gr = ga << 4; CHECK(gr == 0); gr = ga >> 4; CHECK(gr == -8); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -8); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -8);
  gn = 7; gr = ga << 7; CHECK(gr == 0); gr = ga >> 7; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -1);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -1);
  ga = -128;
  gn = 0; gr = ga << 0; CHECK(gr == -128); gr = ga >> 0; CHECK(gr == -128); gr = ga << gn; CHECK(gr == -128); gr = ga; gr >>= gn; CHECK(gr == -128); CHECK(shl_s8(ga, gn) == -128); CHECK(shr_s8(ga, gn) == -128);
  gn = 1; gr = ga << 1; CHECK(gr == 0); gr = ga >> 1; CHECK(gr == -64); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -64); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -64);
  gn = 4; gr = ga << 4; CHECK(gr == 0); gr = ga >> 4; CHECK(gr == -8); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -8); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -8);
  gn = 7; gr = ga << 7; CHECK(gr == 0); gr = ga >> 7; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -1);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -1);
  ga = -100;
  gn = 0; gr = ga << 0; CHECK(gr == -100); gr = ga >> 0; CHECK(gr == -100); gr = ga << gn; CHECK(gr == -100); gr = ga; gr >>= gn; CHECK(gr == -100); CHECK(shl_s8(ga, gn) == -100); CHECK(shr_s8(ga, gn) == -100);
  gn = 1; gr = ga << 1; CHECK(gr == 56); gr = ga >> 1; CHECK(gr == -50); gr = ga << gn; CHECK(gr == 56); gr = ga; gr >>= gn; CHECK(gr == -50); CHECK(shl_s8(ga, gn) == 56); CHECK(shr_s8(ga, gn) == -50);
  gn = 4; gr = ga << 4; CHECK(gr == -64); gr = ga >> 4; CHECK(gr == -7); gr = ga << gn; CHECK(gr == -64); gr = ga; gr >>= gn; CHECK(gr == -7); CHECK(shl_s8(ga, gn) == -64); CHECK(shr_s8(ga, gn) == -7);
  gn = 7; gr = ga << 7; CHECK(gr == 0); gr = ga >> 7; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -1);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -1);
  ga = 100;
  gn = 0; gr = ga << 0; CHECK(gr == 100); gr = ga >> 0; CHECK(gr == 100); gr = ga << gn; CHECK(gr == 100); gr = ga; gr >>= gn; CHECK(gr == 100); CHECK(shl_s8(ga, gn) == 100); CHECK(shr_s8(ga, gn) == 100);
  gn = 1; gr = ga << 1; CHECK(gr == -56); gr = ga >> 1; CHECK(gr == 50); gr = ga << gn; CHECK(gr == -56); gr = ga; gr >>= gn; CHECK(gr == 50); CHECK(shl_s8(ga, gn) == -56); CHECK(shr_s8(ga, gn) == 50);
  gn = 4; gr = ga << 4; CHECK(gr == 64); gr = ga >> 4; CHECK(gr == 6); gr = ga << gn; CHECK(gr == 64); gr = ga; gr >>= gn; CHECK(gr == 6); CHECK(shl_s8(ga, gn) == 64); CHECK(shr_s8(ga, gn) == 6);
  gn = 7; gr = ga << 7; CHECK(gr == 0); gr = ga >> 7; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == 0);
  ga = -5;
  gn = 0; gr = ga << 0; CHECK(gr == -5); gr = ga >> 0; CHECK(gr == -5); gr = ga << gn; CHECK(gr == -5); gr = ga; gr >>= gn; CHECK(gr == -5); CHECK(shl_s8(ga, gn) == -5); CHECK(shr_s8(ga, gn) == -5);
  gn = 1; gr = ga << 1; CHECK(gr == -10); gr = ga >> 1; CHECK(gr == -3); gr = ga << gn; CHECK(gr == -10); gr = ga; gr >>= gn; CHECK(gr == -3); CHECK(shl_s8(ga, gn) == -10); CHECK(shr_s8(ga, gn) == -3);
  gn = 4; gr = ga << 4; CHECK(gr == -80); gr = ga >> 4; CHECK(gr == -1); gr = ga << gn; CHECK(gr == -80); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == -80); CHECK(shr_s8(ga, gn) == -1);
  gn = 7; gr = ga << 7; CHECK(gr == -128); gr = ga >> 7; CHECK(gr == -1); gr = ga << gn; CHECK(gr == -128); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == -128); CHECK(shr_s8(ga, gn) == -1);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s8(ga, gn) == 0); CHECK(shr_s8(ga, gn) == -1);
}
