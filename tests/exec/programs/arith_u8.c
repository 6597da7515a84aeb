/* unsigned char arithmetic at boundary values: every operator on globals, on
   parameters and locals in the frame, with constant right operands, and
   as compound assignments; shifts by constant and variable counts. The
   expected results were computed on the host with 8-bit wrap-around
   (division truncating toward zero; x / 0 and x % 0 as docs/runtime.md
   gives them). */
#include "check.h"

unsigned char ga, gb, gr;
unsigned char gn;

static unsigned char add_u8(unsigned char a, unsigned char b) { unsigned char r; r = a + b; return r; }
static unsigned char adda_u8(unsigned char a, unsigned char b) { a += b; return a; }
static unsigned char sub_u8(unsigned char a, unsigned char b) { unsigned char r; r = a - b; return r; }
static unsigned char suba_u8(unsigned char a, unsigned char b) { a -= b; return a; }
static unsigned char mul_u8(unsigned char a, unsigned char b) { unsigned char r; r = a * b; return r; }
static unsigned char mula_u8(unsigned char a, unsigned char b) { a *= b; return a; }
static unsigned char and_u8(unsigned char a, unsigned char b) { unsigned char r; r = a & b; return r; }
static unsigned char anda_u8(unsigned char a, unsigned char b) { a &= b; return a; }
static unsigned char or_u8(unsigned char a, unsigned char b) { unsigned char r; r = a | b; return r; }
static unsigned char ora_u8(unsigned char a, unsigned char b) { a |= b; return a; }
static unsigned char xor_u8(unsigned char a, unsigned char b) { unsigned char r; r = a ^ b; return r; }
static unsigned char xora_u8(unsigned char a, unsigned char b) { a ^= b; return a; }
static unsigned char div_u8(unsigned char a, unsigned char b) { unsigned char r; r = a / b; return r; }
static unsigned char diva_u8(unsigned char a, unsigned char b) { a /= b; return a; }
static unsigned char mod_u8(unsigned char a, unsigned char b) { unsigned char r; r = a % b; return r; }
static unsigned char moda_u8(unsigned char a, unsigned char b) { a %= b; return a; }
static unsigned char shl_u8(unsigned char a, unsigned char n) { return a << n; }
static unsigned char shr_u8(unsigned char a, unsigned char n) { unsigned char r; r = a; r >>= n; return r; }

void main(void)
{
  ga = 0; gb = 1;
  gr = ga + gb; CHECK(gr == 1); gr = ga; gr += gb; CHECK(gr == 1); CHECK(add_u8(ga, gb) == 1); CHECK(adda_u8(ga, gb) == 1);
  gr = ga - gb; CHECK(gr == 255); gr = ga; gr -= gb; CHECK(gr == 255); CHECK(sub_u8(ga, gb) == 255); CHECK(suba_u8(ga, gb) == 255);
  gr = ga * gb; CHECK(gr == 0); gr = ga; gr *= gb; CHECK(gr == 0); CHECK(mul_u8(ga, gb) == 0); CHECK(mula_u8(ga, gb) == 0);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_u8(ga, gb) == 0); CHECK(anda_u8(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == 1); gr = ga; gr |= gb; CHECK(gr == 1); CHECK(or_u8(ga, gb) == 1); CHECK(ora_u8(ga, gb) == 1);
  gr = ga ^ gb; CHECK(gr == 1); gr = ga; gr ^= gb; CHECK(gr == 1); CHECK(xor_u8(ga, gb) == 1); CHECK(xora_u8(ga, gb) == 1);
  gr = ga / gb; CHECK(gr == 0); gr = ga; gr /= gb; CHECK(gr == 0); CHECK(div_u8(ga, gb) == 0); CHECK(diva_u8(ga, gb) == 0);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_u8(ga, gb) == 0); CHECK(moda_u8(ga, gb) == 0);
  ga = 1; gb = 255;
  gr = ga + gb; CHECK(gr == 0); gr = ga; gr += gb; CHECK(gr == 0); CHECK(add_u8(ga, gb) == 0); CHECK(adda_u8(ga, gb) == 0);
  gr = ga - gb; CHECK(gr == 2); gr = ga; gr -= gb; CHECK(gr == 2); CHECK(sub_u8(ga, gb) == 2); CHECK(suba_u8(ga, gb) == 2);
  gr = ga * gb; CHECK(gr == 255); gr = ga; gr *= gb; CHECK(gr == 255); CHECK(mul_u8(ga, gb) == 255); CHECK(mula_u8(ga, gb) == 255);
  gr = ga & gb; CHECK(gr == 1); gr = ga; gr &= gb; CHECK(gr == 1); CHECK(and_u8(ga, gb) == 1); CHECK(anda_u8(ga, gb) == 1);
  gr = ga | gb; CHECK(gr == 255); gr = ga; gr |= gb; CHECK(gr == 255); CHECK(or_u8(ga, gb) == 255); CHECK(ora_u8(ga, gb) == 255);
  gr = ga ^ gb; CHECK(gr == 254); gr = ga; gr ^= gb; CHECK(gr == 254); CHECK(xor_u8(ga, gb) == 254); CHECK(xora_u8(ga, gb) == 254);
  gr = ga / gb; CHECK(gr == 0); gr = ga; gr /= gb; CHECK(gr == 0); CHECK(div_u8(ga, gb) == 0); CHECK(diva_u8(ga, gb) == 0);
  gr = ga % gb; CHECK(gr == 1); gr = ga; gr %= gb; CHECK(gr == 1); CHECK(mod_u8(ga, gb) == 1); CHECK(moda_u8(ga, gb) == 1);
  ga = 127; gb = 128;
  gr = ga + gb; CHECK(gr == 255); gr = ga; gr += gb; CHECK(gr == 255); CHECK(add_u8(ga, gb) == 255); CHECK(adda_u8(ga, gb) == 255);
  gr = ga - gb; CHECK(gr == 255); gr = ga; gr -= gb; CHECK(gr == 255); CHECK(sub_u8(ga, gb) == 255); CHECK(suba_u8(ga, gb) == 255);
  gr = ga * gb; CHECK(gr == 128); gr = ga; gr *= gb; CHECK(gr == 128); CHECK(mul_u8(ga, gb) == 128); CHECK(mula_u8(ga, gb) == 128);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_u8(ga, gb) == 0); CHECK(anda_u8(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == 255); gr = ga; gr |= gb; CHECK(gr == 255); CHECK(or_u8(ga, gb) == 255); CHECK(ora_u8(ga, gb) == 255);
  gr = ga ^ gb; CHECK(gr == 255); gr = ga; gr ^= gb; CHECK(gr == 255); CHECK(xor_u8(ga, gb) == 255); CHECK(xora_u8(ga, gb) == 255);
  gr = ga / gb; CHECK(gr == 0); gr = ga; gr /= gb; CHECK(gr == 0); CHECK(div_u8(ga, gb) == 0); CHECK(diva_u8(ga, gb) == 0);
  gr = ga % gb; CHECK(gr == 127); gr = ga; gr %= gb; CHECK(gr == 127); CHECK(mod_u8(ga, gb) == 127); CHECK(moda_u8(ga, gb) == 127);
  ga = 200; gb = 7;
  gr = ga + gb; CHECK(gr == 207); gr = ga; gr += gb; CHECK(gr == 207); CHECK(add_u8(ga, gb) == 207); CHECK(adda_u8(ga, gb) == 207);
  gr = ga - gb; CHECK(gr == 193); gr = ga; gr -= gb; CHECK(gr == 193); CHECK(sub_u8(ga, gb) == 193); CHECK(suba_u8(ga, gb) == 193);
  gr = ga * gb; CHECK(gr == 120); gr = ga; gr *= gb; CHECK(gr == 120); CHECK(mul_u8(ga, gb) == 120); CHECK(mula_u8(ga, gb) == 120);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_u8(ga, gb) == 0); CHECK(anda_u8(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == 207); gr = ga; gr |= gb; CHECK(gr == 207); CHECK(or_u8(ga, gb) == 207); CHECK(ora_u8(ga, gb) == 207);
  gr = ga ^ gb; CHECK(gr == 207); gr = ga; gr ^= gb; CHECK(gr == 207); CHECK(xor_u8(ga, gb) == 207); CHECK(xora_u8(ga, gb) == 207);
  gr = ga / gb; CHECK(gr == 28); gr = ga; gr /= gb; CHECK(gr == 28); CHECK(div_u8(ga, gb) == 28); CHECK(diva_u8(ga, gb) == 28);
  gr = ga % gb; CHECK(gr == 4); gr = ga; gr %= gb; CHECK(gr == 4); CHECK(mod_u8(ga, gb) == 4); CHECK(moda_u8(ga, gb) == 4);
  ga = 255; gb = 255;
  gr = ga + gb; CHECK(gr == 254); gr = ga; gr += gb; CHECK(gr == 254); CHECK(add_u8(ga, gb) == 254); CHECK(adda_u8(ga, gb) == 254);
  gr = ga - gb; CHECK(gr == 0); gr = ga; gr -= gb; CHECK(gr == 0); CHECK(sub_u8(ga, gb) == 0); CHECK(suba_u8(ga, gb) == 0);
  gr = ga * gb; CHECK(gr == 1); gr = ga; gr *= gb; CHECK(gr == 1); CHECK(mul_u8(ga, gb) == 1); CHECK(mula_u8(ga, gb) == 1);
  gr = ga & gb; CHECK(gr == 255); gr = ga; gr &= gb; CHECK(gr == 255); CHECK(and_u8(ga, gb) == 255); CHECK(anda_u8(ga, gb) == 255);
  gr = ga | gb; CHECK(gr == 255); gr = ga; gr |= gb; CHECK(gr == 255); CHECK(or_u8(ga, gb) == 255); CHECK(ora_u8(ga, gb) == 255);
  gr = ga ^ gb; CHECK(gr == 0); gr = ga; gr ^= gb; CHECK(gr == 0); CHECK(xor_u8(ga, gb) == 0); CHECK(xora_u8(ga, gb) == 0);
  gr = ga / gb; CHECK(gr == 1); gr = ga; gr /= gb; CHECK(gr == 1); CHECK(div_u8(ga, gb) == 1); CHECK(diva_u8(ga, gb) == 1);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_u8(ga, gb) == 0); CHECK(moda_u8(ga, gb) == 0);
  ga = 13; gb = 200;
  gr = ga + gb; CHECK(gr == 213); gr = ga; gr += gb; CHECK(gr == 213); CHECK(add_u8(ga, gb) == 213); CHECK(adda_u8(ga, gb) == 213);
  gr = ga - gb; CHECK(gr == 69); gr = ga; gr -= gb; CHECK(gr == 69); CHECK(sub_u8(ga, gb) == 69); CHECK(suba_u8(ga, gb) == 69);
  gr = ga * gb; CHECK(gr == 40); gr = ga; gr *= gb; CHECK(gr == 40); CHECK(mul_u8(ga, gb) == 40); CHECK(mula_u8(ga, gb) == 40);
  gr = ga & gb; CHECK(gr == 8); gr = ga; gr &= gb; CHECK(gr == 8); CHECK(and_u8(ga, gb) == 8); CHECK(anda_u8(ga, gb) == 8);
  gr = ga | gb; CHECK(gr == 205); gr = ga; gr |= gb; CHECK(gr == 205); CHECK(or_u8(ga, gb) == 205); CHECK(ora_u8(ga, gb) == 205);
  gr = ga ^ gb; CHECK(gr == 197); gr = ga; gr ^= gb; CHECK(gr == 197); CHECK(xor_u8(ga, gb) == 197); CHECK(xora_u8(ga, gb) == 197);
  gr = ga / gb; CHECK(gr == 0); gr = ga; gr /= gb; CHECK(gr == 0); CHECK(div_u8(ga, gb) == 0); CHECK(diva_u8(ga, gb) == 0);
  gr = ga % gb; CHECK(gr == 13); gr = ga; gr %= gb; CHECK(gr == 13); CHECK(mod_u8(ga, gb) == 13); CHECK(moda_u8(ga, gb) == 13);
  ga = 100; gb = 0;
  gr = ga + gb; CHECK(gr == 100); gr = ga; gr += gb; CHECK(gr == 100); CHECK(add_u8(ga, gb) == 100); CHECK(adda_u8(ga, gb) == 100);
  gr = ga - gb; CHECK(gr == 100); gr = ga; gr -= gb; CHECK(gr == 100); CHECK(sub_u8(ga, gb) == 100); CHECK(suba_u8(ga, gb) == 100);
  gr = ga * gb; CHECK(gr == 0); gr = ga; gr *= gb; CHECK(gr == 0); CHECK(mul_u8(ga, gb) == 0); CHECK(mula_u8(ga, gb) == 0);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_u8(ga, gb) == 0); CHECK(anda_u8(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == 100); gr = ga; gr |= gb; CHECK(gr == 100); CHECK(or_u8(ga, gb) == 100); CHECK(ora_u8(ga, gb) == 100);
  gr = ga ^ gb; CHECK(gr == 100); gr = ga; gr ^= gb; CHECK(gr == 100); CHECK(xor_u8(ga, gb) == 100); CHECK(xora_u8(ga, gb) == 100);
  gr = ga / gb; CHECK(gr == 255); gr = ga; gr /= gb; CHECK(gr == 255); CHECK(div_u8(ga, gb) == 255); CHECK(diva_u8(ga, gb) == 255);
  gr = ga % gb; CHECK(gr == 100); gr = ga; gr %= gb; CHECK(gr == 100); CHECK(mod_u8(ga, gb) == 100); CHECK(moda_u8(ga, gb) == 100);
  ga = 200;
  gr = ga + 1; CHECK(gr == 201); gr = ga; gr += 1; CHECK(gr == 201);
  gr = ga - 1; CHECK(gr == 199); gr = ga; gr -= 1; CHECK(gr == 199);
  gr = ga * 1; CHECK(gr == 200); gr = ga; gr *= 1; CHECK(gr == 200);
  gr = ga & 1; CHECK(gr == 0); gr = ga; gr &= 1; CHECK(gr == 0);
  gr = ga | 1; CHECK(gr == 201); gr = ga; gr |= 1; CHECK(gr == 201);
  gr = ga ^ 1; CHECK(gr == 201); gr = ga; gr ^= 1; CHECK(gr == 201);
  gr = ga / 1; CHECK(gr == 200); gr = ga; gr /= 1; CHECK(gr == 200);
  gr = ga % 1; CHECK(gr == 0); gr = ga; gr %= 1; CHECK(gr == 0);
  ga = 200;
  gr = ga + 255; CHECK(gr == 199); gr = ga; gr += 255; CHECK(gr == 199);
  gr = ga - 255; CHECK(gr == 201); gr = ga; gr -= 255; CHECK(gr == 201);
  gr = ga * 255; CHECK(gr == 56); gr = ga; gr *= 255; CHECK(gr == 56);
  gr = ga & 255; CHECK(gr == 200); gr = ga; gr &= 255; CHECK(gr == 200);
  gr = ga | 255; CHECK(gr == 255); gr = ga; gr |= 255; CHECK(gr == 255);
  gr = ga ^ 255; CHECK(gr == 55); gr = ga; gr ^= 255; CHECK(gr == 55);
  gr = ga / 255; CHECK(gr == 0); gr = ga; gr /= 255; CHECK(gr == 0);
  gr = ga % 255; CHECK(gr == 200); gr = ga; gr %= 255; CHECK(gr == 200);
  ga = 77;
  gr = ga + 15; CHECK(gr == 92); gr = ga; gr += 15; CHECK(gr == 92);
  gr = ga - 15; CHECK(gr == 62); gr = ga; gr -= 15; CHECK(gr == 62);
  gr = ga * 15; CHECK(gr == 131); gr = ga; gr *= 15; CHECK(gr == 131);
  gr = ga & 15; CHECK(gr == 13); gr = ga; gr &= 15; CHECK(gr == 13);
  gr = ga | 15; CHECK(gr == 79); gr = ga; gr |= 15; CHECK(gr == 79);
  gr = ga ^ 15; CHECK(gr == 66); gr = ga; gr ^= 15; CHECK(gr == 66);
  gr = ga / 15; CHECK(gr == 5); gr = ga; gr /= 15; CHECK(gr == 5);
  gr = ga % 15; CHECK(gr == 2); gr = ga; gr %= 15; CHECK(gr == 2);
  ga = 77;
  gr = ga + 128; CHECK(gr == 205); gr = ga; gr += 128; CHECK(gr == 205);
  gr = ga - 128; CHECK(gr == 205); gr = ga; gr -= 128; CHECK(gr == 205);
  gr = ga * 128; CHECK(gr == 128); gr = ga; gr *= 128; CHECK(gr == 128);
  gr = ga & 128; CHECK(gr == 0); gr = ga; gr &= 128; CHECK(gr == 0);
  gr = ga | 128; CHECK(gr == 205); gr = ga; gr |= 128; CHECK(gr == 205);
  gr = ga ^ 128; CHECK(gr == 205); gr = ga; gr ^= 128; CHECK(gr == 205);
  gr = ga / 128; CHECK(gr == 0); gr = ga; gr /= 128; CHECK(gr == 0);
  gr = ga % 128; CHECK(gr == 77); gr = ga; gr %= 128; CHECK(gr == 77);
  ga = 129;
  gr = ga + 3; CHECK(gr == 132); gr = ga; gr += 3; CHECK(gr == 132);
  gr = ga - 3; CHECK(gr == 126); gr = ga; gr -= 3; CHECK(gr == 126);
  gr = ga * 3; CHECK(gr == 131); gr = ga; gr *= 3; CHECK(gr == 131);
  gr = ga & 3; CHECK(gr == 1); gr = ga; gr &= 3; CHECK(gr == 1);
  gr = ga | 3; CHECK(gr == 131); gr = ga; gr |= 3; CHECK(gr == 131);
  gr = ga ^ 3; CHECK(gr == 130); gr = ga; gr ^= 3; CHECK(gr == 130);
  gr = ga / 3; CHECK(gr == 43); gr = ga; gr /= 3; CHECK(gr == 43);
  gr = ga % 3; CHECK(gr == 0); gr = ga; gr %= 3; CHECK(gr == 0);
  ga = 0;
  gn = 0; gr = ga << 0; CHECK(gr == 0); gr = ga >> 0; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 1; gr = ga << 1; CHECK(gr == 0); gr = ga >> 1; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 2; gr = ga << 2; CHECK(gr == 0); gr = ga >> 2; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 3; gr = ga << 3; CHECK(gr == 0); gr = ga >> 3; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 4; gr = ga << 4; CHECK(gr == 0); gr = ga >> 4; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 5; gr = ga << 5; CHECK(gr == 0); gr = ga >> 5; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 6; gr = ga << 6; CHECK(gr == 0); gr = ga >> 6; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 7; gr = ga << 7; CHECK(gr == 0); gr = ga >> 7; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  ga = 1;
  gn = 0; gr = ga << 0; CHECK(gr == 1); gr = ga >> 0; CHECK(gr == 1); gr = ga << gn; CHECK(gr == 1); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_u8(ga, gn) == 1); CHECK(shr_u8(ga, gn) == 1);
  gn = 1; gr = ga << 1; CHECK(gr == 2); gr = ga >> 1; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 2); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 2); CHECK(shr_u8(ga, gn) == 0);
  gn = 2; gr = ga << 2; CHECK(gr == 4); gr = ga >> 2; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 4); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 4); CHECK(shr_u8(ga, gn) == 0);
  gn = 3; gr = ga << 3; CHECK(gr == 8); gr = ga >> 3; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 8); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 8); CHECK(shr_u8(ga, gn) == 0);
  gn = 4; gr = ga << 4; CHECK(gr == 16); gr = ga >> 4; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 16); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 16); CHECK(shr_u8(ga, gn) == 0);
  gn = 5; gr = ga << 5; CHECK(gr == 32); gr = ga >> 5; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 32); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 32); CHECK(shr_u8(ga, gn) == 0);
  gn = 6; gr = ga << 6; CHECK(gr == 64); gr = ga >> 6; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 64); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 64); CHECK(shr_u8(ga, gn) == 0);
  gn = 7; gr = ga << 7; CHECK(gr == 128); gr = ga >> 7; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 128); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 128); CHECK(shr_u8(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  ga = 127;
  gn = 0; gr = ga << 0; CHECK(gr == 127); gr = ga >> 0; CHECK(gr == 127); gr = ga << gn; CHECK(gr == 127); gr = ga; gr >>= gn; CHECK(gr == 127); CHECK(shl_u8(ga, gn) == 127); CHECK(shr_u8(ga, gn) == 127);
  gn = 1; gr = ga << 1; CHECK(gr == 254); gr = ga >> 1; CHECK(gr == 63); gr = ga << gn; CHECK(gr == 254); gr = ga; gr >>= gn; CHECK(gr == 63); CHECK(shl_u8(ga, gn) == 254); CHECK(shr_u8(ga, gn) == 63);
  gn = 2; gr = ga << 2; CHECK(gr == 252); gr = ga >> 2; CHECK(gr == 31); gr = ga << gn; CHECK(gr == 252); gr = ga; gr >>= gn; CHECK(gr == 31); CHECK(shl_u8(ga, gn) == 252); CHECK(shr_u8(ga, gn) == 31);
  gn = 3; gr = ga << 3; CHECK(gr == 248); gr = ga >> 3; CHECK(gr == 15); gr = ga << gn; CHECK(gr == 248); gr = ga; gr >>= gn; CHECK(gr == 15); CHECK(shl_u8(ga, gn) == 248); CHECK(shr_u8(ga, gn) == 15);
  gn = 4; gr = ga << 4; CHECK(gr == 240); gr = ga >> 4; CHECK(gr == 7); gr = ga << gn; CHECK(gr == 240); gr = ga; gr >>= gn; CHECK(gr == 7); CHECK(shl_u8(ga, gn) == 240); CHECK(shr_u8(ga, gn) == 7);
  gn = 5; gr = ga << 5; CHECK(gr == 224); gr = ga >> 5; CHECK(gr == 3); gr = ga << gn; CHECK(gr == 224); gr = ga; gr >>= gn; CHECK(gr == 3); CHECK(shl_u8(ga, gn) == 224); CHECK(shr_u8(ga, gn) == 3);
  gn = 6; gr = ga << 6; CHECK(gr == 192); gr = ga >> 6; CHECK(gr == 1); gr = ga << gn; CHECK(gr == 192); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_u8(ga, gn) == 192); CHECK(shr_u8(ga, gn) == 1);
  gn = 7; gr = ga << 7; CHECK(gr == 128); gr = ga >> 7; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 128); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 128); CHECK(shr_u8(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  ga = 200;
  gn = 0; gr = ga << 0; CHECK(gr == 200); gr = ga >> 0; CHECK(gr == 200); gr = ga << gn; CHECK(gr == 200); gr = ga; gr >>= gn; CHECK(gr == 200); CHECK(shl_u8(ga, gn) == 200); CHECK(shr_u8(ga, gn) == 200);
  gn = 1; gr = ga << 1; CHECK(gr == 144); gr = ga >> 1; CHECK(gr == 100); gr = ga << gn; CHECK(gr == 144); gr = ga; gr >>= gn; CHECK(gr == 100); CHECK(shl_u8(ga, gn) == 144); CHECK(shr_u8(ga, gn) == 100);
  gn = 2; gr = ga << 2; CHECK(gr == 32); gr = ga >> 2; CHECK(gr == 50); gr = ga << gn; CHECK(gr == 32); gr = ga; gr >>= gn; CHECK(gr == 50); CHECK(shl_u8(ga, gn) == 32); CHECK(shr_u8(ga, gn) == 50);
  gn = 3; gr = ga << 3; CHECK(gr == 64); gr = ga >> 3; CHECK(gr == 25); gr = ga << gn; CHECK(gr == 64); gr = ga; gr >>= gn; CHECK(gr == 25); CHECK(shl_u8(ga, gn) == 64); CHECK(shr_u8(ga, gn) == 25);
  gn = 4; gr = ga << 4; CHECK(gr == 128); gr = ga >> 4; CHECK(gr == 12); gr = ga << gn; CHECK(gr == 128); gr = ga; gr >>= gn; CHECK(gr == 12); CHECK(shl_u8(ga, gn) == 128); CHECK(shr_u8(ga, gn) == 12);
  gn = 5; gr = ga << 5; CHECK(gr == 0); gr = ga >> 5; CHECK(gr == 6); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 6); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 6);
  gn = 6; gr = ga << 6; CHECK(gr == 0); gr = ga >> 6; CHECK(gr == 3); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 3); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 3);
  gn = 7; gr = ga << 7; CHECK(gr == 0); gr = ga >> 7; CHECK(gr == 1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 1);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  ga = 255;
  gn = 0; gr = ga << 0; CHECK(gr == 255); gr = ga >> 0; CHECK(gr == 255); gr = ga << gn; CHECK(gr == 255); gr = ga; gr >>= gn; CHECK(gr == 255); CHECK(shl_u8(ga, gn) == 255); CHECK(shr_u8(ga, gn) == 255);
  gn = 1; gr = ga << 1; CHECK(gr == 254); gr = ga >> 1; CHECK(gr == 127); gr = ga << gn; CHECK(gr == 254); gr = ga; gr >>= gn; CHECK(gr == 127); CHECK(shl_u8(ga, gn) == 254); CHECK(shr_u8(ga, gn) == 127);
  gn = 2; gr = ga << 2; CHECK(gr == 252); gr = ga >> 2; CHECK(gr == 63); gr = ga << gn; CHECK(gr == 252); gr = ga; gr >>= gn; CHECK(gr == 63); CHECK(shl_u8(ga, gn) == 252); CHECK(shr_u8(ga, gn) == 63);
  gn = 3; gr = ga << 3; CHECK(gr == 248); gr = ga >> 3; CHECK(gr == 31); gr = ga << gn; CHECK(gr == 248); gr = ga; gr >>= gn; CHECK(gr == 31); CHECK(shl_u8(ga, gn) == 248); CHECK(shr_u8(ga, gn) == 31);
  gn = 4; gr = ga << 4; CHECK(gr == 240); gr = ga >> 4; CHECK(gr == 15); gr = ga << gn; CHECK(gr == 240); gr = ga; gr >>= gn; CHECK(gr == 15); CHECK(shl_u8(ga, gn) == 240); CHECK(shr_u8(ga, gn) == 15);
  gn = 5; gr = ga << 5; CHECK(gr == 224); gr = ga >> 5; CHECK(gr == 7); gr = ga << gn; CHECK(gr == 224); gr = ga; gr >>= gn; CHECK(gr == 7); CHECK(shl_u8(ga, gn) == 224); CHECK(shr_u8(ga, gn) == 7);
  gn = 6; gr = ga << 6; CHECK(gr == 192); gr = ga >> 6; CHECK(gr == 3); gr = ga << gn; CHECK(gr == 192); gr = ga; gr >>= gn; CHECK(gr == 3); CHECK(shl_u8(ga, gn) == 192); CHECK(shr_u8(ga, gn) == 3);
  gn = 7; gr = ga << 7; CHECK(gr == 128); gr = ga >> 7; CHECK(gr == 1); gr = ga << gn; CHECK(gr == 128); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_u8(ga, gn) == 128); CHECK(shr_u8(ga, gn) == 1);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  ga = 13;
  gn = 0; gr = ga << 0; CHECK(gr == 13); gr = ga >> 0; CHECK(gr == 13); gr = ga << gn; CHECK(gr == 13); gr = ga; gr >>= gn; CHECK(gr == 13); CHECK(shl_u8(ga, gn) == 13); CHECK(shr_u8(ga, gn) == 13);
  gn = 1; gr = ga << 1; CHECK(gr == 26); gr = ga >> 1; CHECK(gr == 6); gr = ga << gn; CHECK(gr == 26); gr = ga; gr >>= gn; CHECK(gr == 6); CHECK(shl_u8(ga, gn) == 26); CHECK(shr_u8(ga, gn) == 6);
  gn = 2; gr = ga << 2; CHECK(gr == 52); gr = ga >> 2; CHECK(gr == 3); gr = ga << gn; CHECK(gr == 52); gr = ga; gr >>= gn; CHECK(gr == 3); CHECK(shl_u8(ga, gn) == 52); CHECK(shr_u8(ga, gn) == 3);
  gn = 3; gr = ga << 3; CHECK(gr == 104); gr = ga >> 3; CHECK(gr == 1); gr = ga << gn; CHECK(gr == 104); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_u8(ga, gn) == 104); CHECK(shr_u8(ga, gn) == 1);
  gn = 4; gr = ga << 4; CHECK(gr == 208); gr = ga >> 4; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 208); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 208); CHECK(shr_u8(ga, gn) == 0);
  gn = 5; gr = ga << 5; CHECK(gr == 160); gr = ga >> 5; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 160); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 160); CHECK(shr_u8(ga, gn) == 0);
  gn = 6; gr = ga << 6; CHECK(gr == 64); gr = ga >> 6; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 64); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 64); CHECK(shr_u8(ga, gn) == 0);
  gn = 7; gr = ga << 7; CHECK(gr == 128); gr = ga >> 7; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 128); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 128); CHECK(shr_u8(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  ga = 100;
  gn = 0; gr = ga << 0; CHECK(gr == 100); gr = ga >> 0; CHECK(gr == 100); gr = ga << gn; CHECK(gr == 100); gr = ga; gr >>= gn; CHECK(gr == 100); CHECK(shl_u8(ga, gn) == 100); CHECK(shr_u8(ga, gn) == 100);
  gn = 1; gr = ga << 1; CHECK(gr == 200); gr = ga >> 1; CHECK(gr == 50); gr = ga << gn; CHECK(gr == 200); gr = ga; gr >>= gn; CHECK(gr == 50); CHECK(shl_u8(ga, gn) == 200); CHECK(shr_u8(ga, gn) == 50);
  gn = 2; gr = ga << 2; CHECK(gr == 144); gr = ga >> 2; CHECK(gr == 25); gr = ga << gn; CHECK(gr == 144); gr = ga; gr >>= gn; CHECK(gr == 25); CHECK(shl_u8(ga, gn) == 144); CHECK(shr_u8(ga, gn) == 25);
  gn = 3; gr = ga << 3; CHECK(gr == 32); gr = ga >> 3; CHECK(gr == 12); gr = ga << gn; CHECK(gr == 32); gr = ga; gr >>= gn; CHECK(gr == 12); CHECK(shl_u8(ga, gn) == 32); CHECK(shr_u8(ga, gn) == 12);
  gn = 4; gr = ga << 4; CHECK(gr == 64); gr = ga >> 4; CHECK(gr == 6); gr = ga << gn; CHECK(gr == 64); gr = ga; gr >>= gn; CHECK(gr == 6); CHECK(shl_u8(ga, gn) == 64); CHECK(shr_u8(ga, gn) == 6);
  gn = 5; gr = ga << 5; CHECK(gr == 128); gr = ga >> 5; CHECK(gr == 3); gr = ga << gn; CHECK(gr == 128); gr = ga; gr >>= gn; CHECK(gr == 3); CHECK(shl_u8(ga, gn) == 128); CHECK(shr_u8(ga, gn) == 3);
  gn = 6; gr = ga << 6; CHECK(gr == 0); gr = ga >> 6; CHECK(gr == 1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 1);
  gn = 7; gr = ga << 7; CHECK(gr == 0); gr = ga >> 7; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_u8(ga, gn) == 0); CHECK(shr_u8(ga, gn) == 0);
}
