/* int arithmetic at boundary values: every operator on globals, on
   parameters and locals in the frame, with constant right operands, and
   as compound assignments; shifts by constant and variable counts. The
   expected results were computed on the host with 16-bit wrap-around
   (division truncating toward zero; x / 0 and x % 0 as docs/runtime.md
   gives them). */
#include "check.h"

int ga, gb, gr;
unsigned char gn;

static int add_s16(int a, int b) { int r; r = a + b; return r; }
static int adda_s16(int a, int b) { a += b; return a; }
static int sub_s16(int a, int b) { int r; r = a - b; return r; }
static int suba_s16(int a, int b) { a -= b; return a; }
static int mul_s16(int a, int b) { int r; r = a * b; return r; }
static int mula_s16(int a, int b) { a *= b; return a; }
static int and_s16(int a, int b) { int r; r = a & b; return r; }
static int anda_s16(int a, int b) { a &= b; return a; }
static int or_s16(int a, int b) { int r; r = a | b; return r; }
static int ora_s16(int a, int b) { a |= b; return a; }
static int xor_s16(int a, int b) { int r; r = a ^ b; return r; }
static int xora_s16(int a, int b) { a ^= b; return a; }
static int div_s16(int a, int b) { int r; r = a / b; return r; }
static int diva_s16(int a, int b) { a /= b; return a; }
static int mod_s16(int a, int b) { int r; r = a % b; return r; }
static int moda_s16(int a, int b) { a %= b; return a; }
static int shl_s16(int a, unsigned char n) { return a << n; }
static int shr_s16(int a, unsigned char n) { int r; r = a; r >>= n; return r; }

void main(void)
{
  ga = 0; gb = 1;
  gr = ga + gb; CHECK(gr == 1); gr = ga; gr += gb; CHECK(gr == 1); CHECK(add_s16(ga, gb) == 1); CHECK(adda_s16(ga, gb) == 1);
  gr = ga - gb; CHECK(gr == -1); gr = ga; gr -= gb; CHECK(gr == -1); CHECK(sub_s16(ga, gb) == -1); CHECK(suba_s16(ga, gb) == -1);
  gr = ga * gb; CHECK(gr == 0); gr = ga; gr *= gb; CHECK(gr == 0); CHECK(mul_s16(ga, gb) == 0); CHECK(mula_s16(ga, gb) == 0);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_s16(ga, gb) == 0); CHECK(anda_s16(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == 1); gr = ga; gr |= gb; CHECK(gr == 1); CHECK(or_s16(ga, gb) == 1); CHECK(ora_s16(ga, gb) == 1);
  gr = ga ^ gb; CHECK(gr == 1); gr = ga; gr ^= gb; CHECK(gr == 1); CHECK(xor_s16(ga, gb) == 1); CHECK(xora_s16(ga, gb) == 1);
  gr = ga / gb; CHECK(gr == 0); gr = ga; gr /= gb; CHECK(gr == 0); CHECK(div_s16(ga, gb) == 0); CHECK(diva_s16(ga, gb) == 0);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s16(ga, gb) == 0); CHECK(moda_s16(ga, gb) == 0);
  ga = 1; gb = -1;
  gr = ga + gb; CHECK(gr == 0); gr = ga; gr += gb; CHECK(gr == 0); CHECK(add_s16(ga, gb) == 0); CHECK(adda_s16(ga, gb) == 0);
  gr = ga - gb; CHECK(gr == 2); gr = ga; gr -= gb; CHECK(gr == 2); CHECK(sub_s16(ga, gb) == 2); CHECK(suba_s16(ga, gb) == 2);
  gr = ga * gb; CHECK(gr == -1); gr = ga; gr *= gb; CHECK(gr == -1); CHECK(mul_s16(ga, gb) == -1); CHECK(mula_s16(ga, gb) == -1);
  gr = ga & gb; CHECK(gr == 1); gr = ga; gr &= gb; CHECK(gr == 1); CHECK(and_s16(ga, gb) == 1); CHECK(anda_s16(ga, gb) == 1);
  gr = ga | gb; CHECK(gr == -1); gr = ga; gr |= gb; CHECK(gr == -1); CHECK(or_s16(ga, gb) == -1); CHECK(ora_s16(ga, gb) == -1);
  gr = ga ^ gb; CHECK(gr == -2); gr = ga; gr ^= gb; CHECK(gr == -2); CHECK(xor_s16(ga, gb) == -2); CHECK(xora_s16(ga, gb) == -2);
  gr = ga / gb; CHECK(gr == -1); gr = ga; gr /= gb; CHECK(gr == -1); CHECK(div_s16(ga, gb) == -1); CHECK(diva_s16(ga, gb) == -1);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s16(ga, gb) == 0); CHECK(moda_s16(ga, gb) == 0);
  ga = 32767; gb = 1;
  gr = ga + gb; CHECK(gr == (-32767 - 1)); gr = ga; gr += gb; CHECK(gr == (-32767 - 1)); CHECK(add_s16(ga, gb) == (-32767 - 1)); CHECK(adda_s16(ga, gb) == (-32767 - 1));
  gr = ga - gb; CHECK(gr == 32766); gr = ga; gr -= gb; CHECK(gr == 32766); CHECK(sub_s16(ga, gb) == 32766); CHECK(suba_s16(ga, gb) == 32766);
  gr = ga * gb; CHECK(gr == 32767); gr = ga; gr *= gb; CHECK(gr == 32767); CHECK(mul_s16(ga, gb) == 32767); CHECK(mula_s16(ga, gb) == 32767);
  gr = ga & gb; CHECK(gr == 1); gr = ga; gr &= gb; CHECK(gr == 1); CHECK(and_s16(ga, gb) == 1); CHECK(anda_s16(ga, gb) == 1);
  gr = ga | gb; CHECK(gr == 32767); gr = ga; gr |= gb; CHECK(gr == 32767); CHECK(or_s16(ga, gb) == 32767); CHECK(ora_s16(ga, gb) == 32767);
  gr = ga ^ gb; CHECK(gr == 32766); gr = ga; gr ^= gb; CHECK(gr == 32766); CHECK(xor_s16(ga, gb) == 32766); CHECK(xora_s16(ga, gb) == 32766);
  gr = ga / gb; CHECK(gr == 32767); gr = ga; gr /= gb; CHECK(gr == 32767); CHECK(div_s16(ga, gb) == 32767); CHECK(diva_s16(ga, gb) == 32767);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s16(ga, gb) == 0); CHECK(moda_s16(ga, gb) == 0);
  ga = (-32767 - 1); gb = -1;
  gr = ga + gb; CHECK(gr == 32767); gr = ga; gr += gb; CHECK(gr == 32767); CHECK(add_s16(ga, gb) == 32767); CHECK(adda_s16(ga, gb) == 32767);
  gr = ga - gb; CHECK(gr == -32767); gr = ga; gr -= gb; CHECK(gr == -32767); CHECK(sub_s16(ga, gb) == -32767); CHECK(suba_s16(ga, gb) == -32767);
  gr = ga * gb; CHECK(gr == (-32767 - 1)); gr = ga; gr *= gb; CHECK(gr == (-32767 - 1)); CHECK(mul_s16(ga, gb) == (-32767 - 1)); CHECK(mula_s16(ga, gb) == (-32767 - 1));
  gr = ga & gb; CHECK(gr == (-32767 - 1)); gr = ga; gr &= gb; CHECK(gr == (-32767 - 1)); CHECK(and_s16(ga, gb) == (-32767 - 1)); CHECK(anda_s16(ga, gb) == (-32767 - 1));
  gr = ga | gb; CHECK(gr == -1); gr = ga; gr |= gb; CHECK(gr == -1); CHECK(or_s16(ga, gb) == -1); CHECK(ora_s16(ga, gb) == -1);
  gr = ga ^ gb; CHECK(gr == 32767); gr = ga; gr ^= gb; CHECK(gr == 32767); CHECK(xor_s16(ga, gb) == 32767); CHECK(xora_s16(ga, gb) == 32767);
  gr = ga / gb; CHECK(gr == (-32767 - 1)); gr = ga; gr /= gb; CHECK(gr == (-32767 - 1)); CHECK(div_s16(ga, gb) == (-32767 - 1)); CHECK(diva_s16(ga, gb) == (-32767 - 1));
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s16(ga, gb) == 0); CHECK(moda_s16(ga, gb) == 0);
  ga = (-32767 - 1); gb = 2;
  gr = ga + gb; CHECK(gr == -32766); gr = ga; gr += gb; CHECK(gr == -32766); CHECK(add_s16(ga, gb) == -32766); CHECK(adda_s16(ga, gb) == -32766);
  gr = ga - gb; CHECK(gr == 32766); gr = ga; gr -= gb; CHECK(gr == 32766); CHECK(sub_s16(ga, gb) == 32766); CHECK(suba_s16(ga, gb) == 32766);
  gr = ga * gb; CHECK(gr == 0); gr = ga; gr *= gb; CHECK(gr == 0); CHECK(mul_s16(ga, gb) == 0); CHECK(mula_s16(ga, gb) == 0);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_s16(ga, gb) == 0); CHECK(anda_s16(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == -32766); gr = ga; gr |= gb; CHECK(gr == -32766); CHECK(or_s16(ga, gb) == -32766); CHECK(ora_s16(ga, gb) == -32766);
  gr = ga ^ gb; CHECK(gr == -32766); gr = ga; gr ^= gb; CHECK(gr == -32766); CHECK(xor_s16(ga, gb) == -32766); CHECK(xora_s16(ga, gb) == -32766);
  gr = ga / gb; CHECK(gr == -16384); gr = ga; gr /= gb; CHECK(gr == -16384); CHECK(div_s16(ga, gb) == -16384); CHECK(diva_s16(ga, gb) == -16384);
  gr = ga % gb; CHECK(gr == 0); gr = ga; gr %= gb; CHECK(gr == 0); CHECK(mod_s16(ga, gb) == 0); CHECK(moda_s16(ga, gb) == 0);
  ga = 1000; gb = -3;
  gr = ga + gb; CHECK(gr == 997); gr = ga; gr += gb; CHECK(gr == 997); CHECK(add_s16(ga, gb) == 997); CHECK(adda_s16(ga, gb) == 997);
  gr = ga - gb; CHECK(gr == 1003); gr = ga; gr -= gb; CHECK(gr == 1003); CHECK(sub_s16(ga, gb) == 1003); CHECK(suba_s16(ga, gb) == 1003);
  gr = ga * gb; CHECK(gr == -3000); gr = ga; gr *= gb; CHECK(gr == -3000); CHECK(mul_s16(ga, gb) == -3000); CHECK(mula_s16(ga, gb) == -3000);
  gr = ga & gb; CHECK(gr == 1000); gr = ga; gr &= gb; CHECK(gr == 1000); CHECK(and_s16(ga, gb) == 1000); CHECK(anda_s16(ga, gb) == 1000);
  gr = ga | gb; CHECK(gr == -3); gr = ga; gr |= gb; CHECK(gr == -3); CHECK(or_s16(ga, gb) == -3); CHECK(ora_s16(ga, gb) == -3);
  gr = ga ^ gb; CHECK(gr == -1003); gr = ga; gr ^= gb; CHECK(gr == -1003); CHECK(xor_s16(ga, gb) == -1003); CHECK(xora_s16(ga, gb) == -1003);
  gr = ga / gb; CHECK(gr == -333); gr = ga; gr /= gb; CHECK(gr == -333); CHECK(div_s16(ga, gb) == -333); CHECK(diva_s16(ga, gb) == -333);
  gr = ga % gb; CHECK(gr == 1); gr = ga; gr %= gb; CHECK(gr == 1); CHECK(mod_s16(ga, gb) == 1); CHECK(moda_s16(ga, gb) == 1);
  ga = -1000; gb = 7;
  gr = ga + gb; CHECK(gr == -993); gr = ga; gr += gb; CHECK(gr == -993); CHECK(add_s16(ga, gb) == -993); CHECK(adda_s16(ga, gb) == -993);
  gr = ga - gb; CHECK(gr == -1007); gr = ga; gr -= gb; CHECK(gr == -1007); CHECK(sub_s16(ga, gb) == -1007); CHECK(suba_s16(ga, gb) == -1007);
  gr = ga * gb; CHECK(gr == -7000); gr = ga; gr *= gb; CHECK(gr == -7000); CHECK(mul_s16(ga, gb) == -7000); CHECK(mula_s16(ga, gb) == -7000);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_s16(ga, gb) == 0); CHECK(anda_s16(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == -993); gr = ga; gr |= gb; CHECK(gr == -993); CHECK(or_s16(ga, gb) == -993); CHECK(ora_s16(ga, gb) == -993);
  gr = ga ^ gb; CHECK(gr == -993); gr = ga; gr ^= gb; CHECK(gr == -993); CHECK(xor_s16(ga, gb) == -993); CHECK(xora_s16(ga, gb) == -993);
  gr = ga / gb; CHECK(gr == -142); gr = ga; gr /= gb; CHECK(gr == -142); CHECK(div_s16(ga, gb) == -142); CHECK(diva_s16(ga, gb) == -142);
  gr = ga % gb; CHECK(gr == -6); gr = ga; gr %= gb; CHECK(gr == -6); CHECK(mod_s16(ga, gb) == -6); CHECK(moda_s16(ga, gb) == -6);
  ga = 255; gb = 256;
  gr = ga + gb; CHECK(gr == 511); gr = ga; gr += gb; CHECK(gr == 511); CHECK(add_s16(ga, gb) == 511); CHECK(adda_s16(ga, gb) == 511);
  gr = ga - gb; CHECK(gr == -1); gr = ga; gr -= gb; CHECK(gr == -1); CHECK(sub_s16(ga, gb) == -1); CHECK(suba_s16(ga, gb) == -1);
  gr = ga * gb; CHECK(gr == -256); gr = ga; gr *= gb; CHECK(gr == -256); CHECK(mul_s16(ga, gb) == -256); CHECK(mula_s16(ga, gb) == -256);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_s16(ga, gb) == 0); CHECK(anda_s16(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == 511); gr = ga; gr |= gb; CHECK(gr == 511); CHECK(or_s16(ga, gb) == 511); CHECK(ora_s16(ga, gb) == 511);
  gr = ga ^ gb; CHECK(gr == 511); gr = ga; gr ^= gb; CHECK(gr == 511); CHECK(xor_s16(ga, gb) == 511); CHECK(xora_s16(ga, gb) == 511);
  gr = ga / gb; CHECK(gr == 0); gr = ga; gr /= gb; CHECK(gr == 0); CHECK(div_s16(ga, gb) == 0); CHECK(diva_s16(ga, gb) == 0);
  gr = ga % gb; CHECK(gr == 255); gr = ga; gr %= gb; CHECK(gr == 255); CHECK(mod_s16(ga, gb) == 255); CHECK(moda_s16(ga, gb) == 255);
  ga = -7; gb = 0;
  gr = ga + gb; CHECK(gr == -7); gr = ga; gr += gb; CHECK(gr == -7); CHECK(add_s16(ga, gb) == -7); CHECK(adda_s16(ga, gb) == -7);
  gr = ga - gb; CHECK(gr == -7); gr = ga; gr -= gb; CHECK(gr == -7); CHECK(sub_s16(ga, gb) == -7); CHECK(suba_s16(ga, gb) == -7);
  gr = ga * gb; CHECK(gr == 0); gr = ga; gr *= gb; CHECK(gr == 0); CHECK(mul_s16(ga, gb) == 0); CHECK(mula_s16(ga, gb) == 0);
  gr = ga & gb; CHECK(gr == 0); gr = ga; gr &= gb; CHECK(gr == 0); CHECK(and_s16(ga, gb) == 0); CHECK(anda_s16(ga, gb) == 0);
  gr = ga | gb; CHECK(gr == -7); gr = ga; gr |= gb; CHECK(gr == -7); CHECK(or_s16(ga, gb) == -7); CHECK(ora_s16(ga, gb) == -7);
  gr = ga ^ gb; CHECK(gr == -7); gr = ga; gr ^= gb; CHECK(gr == -7); CHECK(xor_s16(ga, gb) == -7); CHECK(xora_s16(ga, gb) == -7);
  gr = ga / gb; CHECK(gr == 1); gr = ga; gr /= gb; CHECK(gr == 1); CHECK(div_s16(ga, gb) == 1); CHECK(diva_s16(ga, gb) == 1);
  gr = ga % gb; CHECK(gr == -7); gr = ga; gr %= gb; CHECK(gr == -7); CHECK(mod_s16(ga, gb) == -7); CHECK(moda_s16(ga, gb) == -7);
  ga = -1000;
  gr = ga + 1; CHECK(gr == -999); gr = ga; gr += 1; CHECK(gr == -999);
  gr = ga - 1; CHECK(gr == -1001); gr = ga; gr -= 1; CHECK(gr == -1001);
  gr = ga * 1; CHECK(gr == -1000); gr = ga; gr *= 1; CHECK(gr == -1000);
  gr = ga & 1; CHECK(gr == 0); gr = ga; gr &= 1; CHECK(gr == 0);
  gr = ga | 1; CHECK(gr == -999); gr = ga; gr |= 1; CHECK(gr == -999);
  gr = ga ^ 1; CHECK(gr == -999); gr = ga; gr ^= 1; CHECK(gr == -999);
  gr = ga / 1; CHECK(gr == -1000); gr = ga; gr /= 1; CHECK(gr == -1000);
  gr = ga % 1; CHECK(gr == 0); gr = ga; gr %= 1; CHECK(gr == 0);
  ga = -1000;
  gr = ga + -1; CHECK(gr == -1001); gr = ga; gr += -1; CHECK(gr == -1001);
  gr = ga - -1; CHECK(gr == -999); gr = ga; gr -= -1; CHECK(gr == -999);
  gr = ga * -1; CHECK(gr == 1000); gr = ga; gr *= -1; CHECK(gr == 1000);
  gr = ga & -1; CHECK(gr == -1000); gr = ga; gr &= -1; CHECK(gr == -1000);
  gr = ga | -1; CHECK(gr == -1); gr = ga; gr |= -1; CHECK(gr == -1);
  gr = ga ^ -1; CHECK(gr == 999); gr = ga; gr ^= -1; CHECK(gr == 999);
  gr = ga / -1; CHECK(gr == 1000); gr = ga; gr /= -1; CHECK(gr == 1000);
  gr = ga % -1; CHECK(gr == 0); gr = ga; gr %= -1; CHECK(gr == 0);
  ga = 4660;
  gr = ga + 32512; CHECK(gr == -28364); gr = ga; gr += 32512; CHECK(gr == -28364);
  gr = ga - 32512; CHECK(gr == -27852); gr = ga; gr -= 32512; CHECK(gr == -27852);
  gr = ga * 32512; CHECK(gr == -13312); gr = ga; gr *= 32512; CHECK(gr == -13312);
  gr = ga & 32512; CHECK(gr == 4608); gr = ga; gr &= 32512; CHECK(gr == 4608);
  gr = ga | 32512; CHECK(gr == 32564); gr = ga; gr |= 32512; CHECK(gr == 32564);
  gr = ga ^ 32512; CHECK(gr == 27956); gr = ga; gr ^= 32512; CHECK(gr == 27956);
  gr = ga / 32512; CHECK(gr == 0); gr = ga; gr /= 32512; CHECK(gr == 0);
  gr = ga % 32512; CHECK(gr == 4660); gr = ga; gr %= 32512; CHECK(gr == 4660);
  ga = -300;
  gr = ga + 257; CHECK(gr == -43); gr = ga; gr += 257; CHECK(gr == -43);
  gr = ga - 257; CHECK(gr == -557); gr = ga; gr -= 257; CHECK(gr == -557);
  gr = ga * 257; CHECK(gr == -11564); gr = ga; gr *= 257; CHECK(gr == -11564);
  gr = ga & 257; CHECK(gr == 0); gr = ga; gr &= 257; CHECK(gr == 0);
  gr = ga | 257; CHECK(gr == -43); gr = ga; gr |= 257; CHECK(gr == -43);
  gr = ga ^ 257; CHECK(gr == -43); gr = ga; gr ^= 257; CHECK(gr == -43);
  gr = ga / 257; CHECK(gr == -1); gr = ga; gr /= 257; CHECK(gr == -1);
  gr = ga % 257; CHECK(gr == -43); gr = ga; gr %= 257; CHECK(gr == -43);
  ga = -300;
  gr = ga + 3; CHECK(gr == -297); gr = ga; gr += 3; CHECK(gr == -297);
  gr = ga - 3; CHECK(gr == -303); gr = ga; gr -= 3; CHECK(gr == -303);
  gr = ga * 3; CHECK(gr == -900); gr = ga; gr *= 3; CHECK(gr == -900);
  gr = ga & 3; CHECK(gr == 0); gr = ga; gr &= 3; CHECK(gr == 0);
  gr = ga | 3; CHECK(gr == -297); gr = ga; gr |= 3; CHECK(gr == -297);
  gr = ga ^ 3; CHECK(gr == -297); gr = ga; gr ^= 3; CHECK(gr == -297);
  gr = ga / 3; CHECK(gr == -100); gr = ga; gr /= 3; CHECK(gr == -100);
  gr = ga % 3; CHECK(gr == 0); gr = ga; gr %= 3; CHECK(gr == 0);
  ga = 0;
  gn = 0; gr = ga << 0; CHECK(gr == 0); gr = ga >> 0; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  gn = 1; gr = ga << 1; CHECK(gr == 0); gr = ga >> 1; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  gn = 3; gr = ga << 3; CHECK(gr == 0); gr = ga >> 3; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  gn = 9; gr = ga << 9; CHECK(gr == 0); gr = ga >> 9; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  gn = 14; gr = ga << 14; CHECK(gr == 0); gr = ga >> 14; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  gn = 15; gr = ga << 15; CHECK(gr == 0); gr = ga >> 15; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  ga = 1;
  gn = 0; gr = ga << 0; CHECK(gr == 1); gr = ga >> 0; CHECK(gr == 1); gr = ga << gn; CHECK(gr == 1); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_s16(ga, gn) == 1); CHECK(shr_s16(ga, gn) == 1);
  gn = 1; gr = ga << 1; CHECK(gr == 2); gr = ga >> 1; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 2); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 2); CHECK(shr_s16(ga, gn) == 0);
  gn = 3; gr = ga << 3; CHECK(gr == 8); gr = ga >> 3; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 8); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 8); CHECK(shr_s16(ga, gn) == 0);
  gn = 8; gr = ga << 8; CHECK(gr == 256); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 256); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 256); CHECK(shr_s16(ga, gn) == 0);
  gn = 9; gr = ga << 9; CHECK(gr == 512); gr = ga >> 9; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 512); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 512); CHECK(shr_s16(ga, gn) == 0);
  gn = 14; gr = ga << 14; CHECK(gr == 16384); gr = ga >> 14; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 16384); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 16384); CHECK(shr_s16(ga, gn) == 0);
  gn = 15; gr = ga << 15; CHECK(gr == (-32767 - 1)); gr = ga >> 15; CHECK(gr == 0); gr = ga << gn; CHECK(gr == (-32767 - 1)); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == (-32767 - 1)); CHECK(shr_s16(ga, gn) == 0);
  ga = 32767;
  gn = 0; gr = ga << 0; CHECK(gr == 32767); gr = ga >> 0; CHECK(gr == 32767); gr = ga << gn; CHECK(gr == 32767); gr = ga; gr >>= gn; CHECK(gr == 32767); CHECK(shl_s16(ga, gn) == 32767); CHECK(shr_s16(ga, gn) == 32767);
  gn = 1; gr = ga << 1; CHECK(gr == -2); gr = ga >> 1; CHECK(gr == 16383); gr = ga << gn; CHECK(gr == -2); gr = ga; gr >>= gn; CHECK(gr == 16383); CHECK(shl_s16(ga, gn) == -2); CHECK(shr_s16(ga, gn) == 16383);
  gn = 3; gr = ga << 3; CHECK(gr == -8); gr = ga >> 3; CHECK(gr == 4095); gr = ga << gn; CHECK(gr == -8); gr = ga; gr >>= gn; CHECK(gr == 4095); CHECK(shl_s16(ga, gn) == -8); CHECK(shr_s16(ga, gn) == 4095);
  gn = 8; gr = ga << 8; CHECK(gr == -256); gr = ga >> 8; CHECK(gr == 127); gr = ga << gn; CHECK(gr == -256); gr = ga; gr >>= gn; CHECK(gr == 127); CHECK(shl_s16(ga, gn) == -256); CHECK(shr_s16(ga, gn) == 127);
  gn = 9; gr = ga << 9; CHECK(gr == -512); gr = ga >> 9; CHECK(gr == 63); gr = ga << gn; CHECK(gr == -512); gr = ga; gr >>= gn; CHECK(gr == 63); CHECK(shl_s16(ga, gn) == -512); CHECK(shr_s16(ga, gn) == 63);
  gn = 14; gr = ga << 14; CHECK(gr == -16384); gr = ga >> 14; CHECK(gr == 1); gr = ga << gn; CHECK(gr == -16384); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_s16(ga, gn) == -16384); CHECK(shr_s16(ga, gn) == 1);
  gn = 15; gr = ga << 15; CHECK(gr == (-32767 - 1)); gr = ga >> 15; CHECK(gr == 0); gr = ga << gn; CHECK(gr == (-32767 - 1)); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == (-32767 - 1)); CHECK(shr_s16(ga, gn) == 0);
  ga = (-32767 - 1);
  gn = 0; gr = ga << 0; CHECK(gr == (-32767 - 1)); gr = ga >> 0; CHECK(gr == (-32767 - 1)); gr = ga << gn; CHECK(gr == (-32767 - 1)); gr = ga; gr >>= gn; CHECK(gr == (-32767 - 1)); CHECK(shl_s16(ga, gn) == (-32767 - 1)); CHECK(shr_s16(ga, gn) == (-32767 - 1));
  gn = 1; gr = ga << 1; CHECK(gr == 0); gr = ga >> 1; CHECK(gr == -16384); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -16384); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -16384);
  gn = 3; gr = ga << 3; CHECK(gr == 0); gr = ga >> 3; CHECK(gr == -4096); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -4096); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -4096);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == -128); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -128); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -128);
  gn = 9; gr = ga << 9; CHECK(gr == 0); gr = ga >> 9; CHECK(gr == -64); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -64); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -64);
  gn = 14; gr = ga << 14; CHECK(gr == 0); gr = ga >> 14; CHECK(gr == -2); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -2); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -2);
  gn = 15; gr = ga << 15; CHECK(gr == 0); gr = ga >> 15; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -1);
  ga = (-32767 - 1);
  gn = 0; gr = ga << 0; CHECK(gr == (-32767 - 1)); gr = ga >> 0; CHECK(gr == (-32767 - 1)); gr = ga << gn; CHECK(gr == (-32767 - 1)); gr = ga; gr >>= gn; CHECK(gr == (-32767 - 1)); CHECK(shl_s16(ga, gn) == (-32767 - 1)); CHECK(shr_s16(ga, gn) == (-32767 - 1));
  gn = 1; gr = ga << 1; CHECK(gr == 0); gr = ga >> 1; CHECK(gr == -16384); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -16384); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -16384);
  gn = 3; gr = ga << 3; CHECK(gr == 0); gr = ga >> 3; CHECK(gr == -4096); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -4096); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -4096);
  gn = 8; gr = ga << 8; CHECK(gr == 0); gr = ga >> 8; CHECK(gr == -128); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -128); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -128);
  gn = 9; gr = ga << 9; CHECK(gr == 0); gr = ga >> 9; CHECK(gr == -64); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -64); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -64);
  gn = 14; gr = ga << 14; CHECK(gr == 0); gr = ga >> 14; CHECK(gr == -2); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -2); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -2);
  gn = 15; gr = ga << 15; CHECK(gr == 0); gr = ga >> 15; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -1);
  ga = 1000;
  gn = 0; gr = ga << 0; CHECK(gr == 1000); gr = ga >> 0; CHECK(gr == 1000); gr = ga << gn; CHECK(gr == 1000); gr = ga; gr >>= gn; CHECK(gr == 1000); CHECK(shl_s16(ga, gn) == 1000); CHECK(shr_s16(ga, gn) == 1000);
  gn = 1; gr = ga << 1; CHECK(gr == 2000); gr = ga >> 1; CHECK(gr == 500); gr = ga << gn; CHECK(gr == 2000); gr = ga; gr >>= gn; CHECK(gr == 500); CHECK(shl_s16(ga, gn) == 2000); CHECK(shr_s16(ga, gn) == 500);
  gn = 3; gr = ga << 3; CHECK(gr == 8000); gr = ga >> 3; CHECK(gr == 125); gr = ga << gn; CHECK(gr == 8000); gr = ga; gr >>= gn; CHECK(gr == 125); CHECK(shl_s16(ga, gn) == 8000); CHECK(shr_s16(ga, gn) == 125);
  gn = 8; gr = ga << 8; CHECK(gr == -6144); gr = ga >> 8; CHECK(gr == 3); gr = ga << gn; CHECK(gr == -6144); gr = ga; gr >>= gn; CHECK(gr == 3); CHECK(shl_s16(ga, gn) == -6144); CHECK(shr_s16(ga, gn) == 3);
  gn = 9; gr = ga << 9; CHECK(gr == -12288); gr = ga >> 9; CHECK(gr == 1); gr = ga << gn; CHECK(gr == -12288); gr = ga; gr >>= gn; CHECK(gr == 1); CHECK(shl_s16(ga, gn) == -12288); CHECK(shr_s16(ga, gn) == 1);
  gn = 14; gr = ga << 14; CHECK(gr == 0); gr = ga >> 14; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  gn = 15; gr = ga << 15; CHECK(gr == 0); gr = ga >> 15; CHECK(gr == 0); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == 0);
  ga = -1000;
  gn = 0; gr = ga << 0; CHECK(gr == -1000); gr = ga >> 0; CHECK(gr == -1000); gr = ga << gn; CHECK(gr == -1000); gr = ga; gr >>= gn; CHECK(gr == -1000); CHECK(shl_s16(ga, gn) == -1000); CHECK(shr_s16(ga, gn) == -1000);
  gn = 1; gr = ga << 1; CHECK(gr == -2000); gr = ga >> 1; CHECK(gr == -500); gr = ga << gn; CHECK(gr == -2000); gr = ga; gr >>= gn; CHECK(gr == -500); CHECK(shl_s16(ga, gn) == -2000); CHECK(shr_s16(ga, gn) == -500);
  gn = 3; gr = ga << 3; CHECK(gr == -8000); gr = ga >> 3; CHECK(gr == -125); gr = ga << gn; CHECK(gr == -8000); gr = ga; gr >>= gn; CHECK(gr == -125); CHECK(shl_s16(ga, gn) == -8000); CHECK(shr_s16(ga, gn) == -125);
  gn = 8; gr = ga << 8; CHECK(gr == 6144); gr = ga >> 8; CHECK(gr == -4); gr = ga << gn; CHECK(gr == 6144); gr = ga; gr >>= gn; CHECK(gr == -4); CHECK(shl_s16(ga, gn) == 6144); CHECK(shr_s16(ga, gn) == -4);
  gn = 9; gr = ga << 9; CHECK(gr == 12288); gr = ga >> 9; CHECK(gr == -2); gr = ga << gn; CHECK(gr == 12288); gr = ga; gr >>= gn; CHECK(gr == -2); CHECK(shl_s16(ga, gn) == 12288); CHECK(shr_s16(ga, gn) == -2);
  gn = 14; gr = ga << 14; CHECK(gr == 0); gr = ga >> 14; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -1);
  gn = 15; gr = ga << 15; CHECK(gr == 0); gr = ga >> 15; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 0); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == 0); CHECK(shr_s16(ga, gn) == -1);
  ga = 255;
  gn = 0; gr = ga << 0; CHECK(gr == 255); gr = ga >> 0; CHECK(gr == 255); gr = ga << gn; CHECK(gr == 255); gr = ga; gr >>= gn; CHECK(gr == 255); CHECK(shl_s16(ga, gn) == 255); CHECK(shr_s16(ga, gn) == 255);
  gn = 1; gr = ga << 1; CHECK(gr == 510); gr = ga >> 1; CHECK(gr == 127); gr = ga << gn; CHECK(gr == 510); gr = ga; gr >>= gn; CHECK(gr == 127); CHECK(shl_s16(ga, gn) == 510); CHECK(shr_s16(ga, gn) == 127);
  gn = 3; gr = ga << 3; CHECK(gr == 2040); gr = ga >> 3; CHECK(gr == 31); gr = ga << gn; CHECK(gr == 2040); gr = ga; gr >>= gn; CHECK(gr == 31); CHECK(shl_s16(ga, gn) == 2040); CHECK(shr_s16(ga, gn) == 31);
  gn = 8; gr = ga << 8; CHECK(gr == -256); gr = ga >> 8; CHECK(gr == 0); gr = ga << gn; CHECK(gr == -256); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == -256); CHECK(shr_s16(ga, gn) == 0);
  gn = 9; gr = ga << 9; CHECK(gr == -512); gr = ga >> 9; CHECK(gr == 0); gr = ga << gn; CHECK(gr == -512); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == -512); CHECK(shr_s16(ga, gn) == 0);
  gn = 14; gr = ga << 14; CHECK(gr == -16384); gr = ga >> 14; CHECK(gr == 0); gr = ga << gn; CHECK(gr == -16384); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == -16384); CHECK(shr_s16(ga, gn) == 0);
  gn = 15; gr = ga << 15; CHECK(gr == (-32767 - 1)); gr = ga >> 15; CHECK(gr == 0); gr = ga << gn; CHECK(gr == (-32767 - 1)); gr = ga; gr >>= gn; CHECK(gr == 0); CHECK(shl_s16(ga, gn) == (-32767 - 1)); CHECK(shr_s16(ga, gn) == 0);
  ga = -7;
  gn = 0; gr = ga << 0; CHECK(gr == -7); gr = ga >> 0; CHECK(gr == -7); gr = ga << gn; CHECK(gr == -7); gr = ga; gr >>= gn; CHECK(gr == -7); CHECK(shl_s16(ga, gn) == -7); CHECK(shr_s16(ga, gn) == -7);
  gn = 1; gr = ga << 1; CHECK(gr == -14); gr = ga >> 1; CHECK(gr == -4); gr = ga << gn; CHECK(gr == -14); gr = ga; gr >>= gn; CHECK(gr == -4); CHECK(shl_s16(ga, gn) == -14); CHECK(shr_s16(ga, gn) == -4);
  gn = 3; gr = ga << 3; CHECK(gr == -56); gr = ga >> 3; CHECK(gr == -1); gr = ga << gn; CHECK(gr == -56); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == -56); CHECK(shr_s16(ga, gn) == -1);
  gn = 8; gr = ga << 8; CHECK(gr == -1792); gr = ga >> 8; CHECK(gr == -1); gr = ga << gn; CHECK(gr == -1792); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == -1792); CHECK(shr_s16(ga, gn) == -1);
  gn = 9; gr = ga << 9; CHECK(gr == -3584); gr = ga >> 9; CHECK(gr == -1); gr = ga << gn; CHECK(gr == -3584); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == -3584); CHECK(shr_s16(ga, gn) == -1);
  gn = 14; gr = ga << 14; CHECK(gr == 16384); gr = ga >> 14; CHECK(gr == -1); gr = ga << gn; CHECK(gr == 16384); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == 16384); CHECK(shr_s16(ga, gn) == -1);
  gn = 15; gr = ga << 15; CHECK(gr == (-32767 - 1)); gr = ga >> 15; CHECK(gr == -1); gr = ga << gn; CHECK(gr == (-32767 - 1)); gr = ga; gr >>= gn; CHECK(gr == -1); CHECK(shl_s16(ga, gn) == (-32767 - 1)); CHECK(shr_s16(ga, gn) == -1);
}
