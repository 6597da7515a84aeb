/* long arithmetic at boundary values: every operator on globals, on
   parameters and locals in the frame, with constant right operands, and
   as compound assignments; shifts by constant and variable counts;
   comparisons, unary operators and increments. Written by
   tests/exec/gen/arith_wide.py, which computed the expected results. */
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

long ga, gb, gr;
unsigned char gn;

static long add_s32(long a, long b) { long r; r = a + b; return r; }
static long adda_s32(long a, long b) { a += b; return a; }
static long sub_s32(long a, long b) { long r; r = a - b; return r; }
static long suba_s32(long a, long b) { a -= b; return a; }
static long mul_s32(long a, long b) { long r; r = a * b; return r; }
static long mula_s32(long a, long b) { a *= b; return a; }
static long and_s32(long a, long b) { long r; r = a & b; return r; }
static long anda_s32(long a, long b) { a &= b; return a; }
static long or_s32(long a, long b) { long r; r = a | b; return r; }
static long ora_s32(long a, long b) { a |= b; return a; }
static long xor_s32(long a, long b) { long r; r = a ^ b; return r; }
static long xora_s32(long a, long b) { a ^= b; return a; }
static long div_s32(long a, long b) { long r; r = a / b; return r; }
static long diva_s32(long a, long b) { a /= b; return a; }
static long mod_s32(long a, long b) { long r; r = a % b; return r; }
static long moda_s32(long a, long b) { a %= b; return a; }
static long shl_s32(long a, unsigned char n) { return a << n; }
static long shr_s32(long a, unsigned char n) { long r; r = a; r >>= n; return r; }
static unsigned char cmp_s32(long a, long b) { unsigned char m; m = 0; if (a < b) m |= 1; if (a > b) m |= 2; if (a <= b) m |= 4; if (a >= b) m |= 8; if (a == b) m |= 16; if (a != b) m |= 32; return m; }

int main(void)
{
  long la, lb, lr;
  ga = ((long)0x0ul); gb = ((long)0x1ul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0x1ul)); gr = ga; gr += gb; CHECK(gr == ((long)0x1ul)); lr = la + lb; CHECK(lr == ((long)0x1ul)); CHECK(add_s32(ga, gb) == ((long)0x1ul)); CHECK(adda_s32(la, lb) == ((long)0x1ul));
  gr = ga + ((long)0x1ul); CHECK(gr == ((long)0x1ul)); lr = la; lr += ((long)0x1ul); CHECK(lr == ((long)0x1ul));
  gr = ga - gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr -= gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la - lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(sub_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(suba_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga - ((long)0x1ul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr -= ((long)0x1ul); CHECK(lr == ((long)0xFFFFFFFFul));
  gr = ga * gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr *= gb; CHECK(gr == ((long)0x0ul)); lr = la * lb; CHECK(lr == ((long)0x0ul)); CHECK(mul_s32(ga, gb) == ((long)0x0ul)); CHECK(mula_s32(la, lb) == ((long)0x0ul));
  gr = ga * ((long)0x1ul); CHECK(gr == ((long)0x0ul)); lr = la; lr *= ((long)0x1ul); CHECK(lr == ((long)0x0ul));
  gr = ga & gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr &= gb; CHECK(gr == ((long)0x0ul)); lr = la & lb; CHECK(lr == ((long)0x0ul)); CHECK(and_s32(ga, gb) == ((long)0x0ul)); CHECK(anda_s32(la, lb) == ((long)0x0ul));
  gr = ga & ((long)0x1ul); CHECK(gr == ((long)0x0ul)); lr = la; lr &= ((long)0x1ul); CHECK(lr == ((long)0x0ul));
  gr = ga | gb; CHECK(gr == ((long)0x1ul)); gr = ga; gr |= gb; CHECK(gr == ((long)0x1ul)); lr = la | lb; CHECK(lr == ((long)0x1ul)); CHECK(or_s32(ga, gb) == ((long)0x1ul)); CHECK(ora_s32(la, lb) == ((long)0x1ul));
  gr = ga | ((long)0x1ul); CHECK(gr == ((long)0x1ul)); lr = la; lr |= ((long)0x1ul); CHECK(lr == ((long)0x1ul));
  gr = ga ^ gb; CHECK(gr == ((long)0x1ul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0x1ul)); lr = la ^ lb; CHECK(lr == ((long)0x1ul)); CHECK(xor_s32(ga, gb) == ((long)0x1ul)); CHECK(xora_s32(la, lb) == ((long)0x1ul));
  gr = ga ^ ((long)0x1ul); CHECK(gr == ((long)0x1ul)); lr = la; lr ^= ((long)0x1ul); CHECK(lr == ((long)0x1ul));
  gr = ga / gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr /= gb; CHECK(gr == ((long)0x0ul)); lr = la / lb; CHECK(lr == ((long)0x0ul)); CHECK(div_s32(ga, gb) == ((long)0x0ul)); CHECK(diva_s32(la, lb) == ((long)0x0ul));
  gr = ga / ((long)0x1ul); CHECK(gr == ((long)0x0ul)); lr = la; lr /= ((long)0x1ul); CHECK(lr == ((long)0x0ul));
  gr = ga % gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr %= gb; CHECK(gr == ((long)0x0ul)); lr = la % lb; CHECK(lr == ((long)0x0ul)); CHECK(mod_s32(ga, gb) == ((long)0x0ul)); CHECK(moda_s32(la, lb) == ((long)0x0ul));
  gr = ga % ((long)0x1ul); CHECK(gr == ((long)0x0ul)); lr = la; lr %= ((long)0x1ul); CHECK(lr == ((long)0x0ul));
  CHECK(cmp_s32(ga, gb) == 37); CHECK((ga < gb) == 1); CHECK((la >= lb) == 0); CHECK((ga == ((long)0x0ul)) == 1);
  gr = -ga; CHECK(gr == ((long)0x0ul)); lr = ~la; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(!ga == 1); CHECK((ga && gb) == 0); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0x1ul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; CHECK(lr++ == ((long)0x0ul)); CHECK(lr == ((long)0x1ul));
  ga = ((long)0x7FFFFFFFul); gb = ((long)0x1ul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0x80000000ul)); gr = ga; gr += gb; CHECK(gr == ((long)0x80000000ul)); lr = la + lb; CHECK(lr == ((long)0x80000000ul)); CHECK(add_s32(ga, gb) == ((long)0x80000000ul)); CHECK(adda_s32(la, lb) == ((long)0x80000000ul));
  gr = ga + ((long)0x1ul); CHECK(gr == ((long)0x80000000ul)); lr = la; lr += ((long)0x1ul); CHECK(lr == ((long)0x80000000ul));
  gr = ga - gb; CHECK(gr == ((long)0x7FFFFFFEul)); gr = ga; gr -= gb; CHECK(gr == ((long)0x7FFFFFFEul)); lr = la - lb; CHECK(lr == ((long)0x7FFFFFFEul)); CHECK(sub_s32(ga, gb) == ((long)0x7FFFFFFEul)); CHECK(suba_s32(la, lb) == ((long)0x7FFFFFFEul));
  gr = ga - ((long)0x1ul); CHECK(gr == ((long)0x7FFFFFFEul)); lr = la; lr -= ((long)0x1ul); CHECK(lr == ((long)0x7FFFFFFEul));
  gr = ga * gb; CHECK(gr == ((long)0x7FFFFFFFul)); gr = ga; gr *= gb; CHECK(gr == ((long)0x7FFFFFFFul)); lr = la * lb; CHECK(lr == ((long)0x7FFFFFFFul)); CHECK(mul_s32(ga, gb) == ((long)0x7FFFFFFFul)); CHECK(mula_s32(la, lb) == ((long)0x7FFFFFFFul));
  gr = ga * ((long)0x1ul); CHECK(gr == ((long)0x7FFFFFFFul)); lr = la; lr *= ((long)0x1ul); CHECK(lr == ((long)0x7FFFFFFFul));
  gr = ga & gb; CHECK(gr == ((long)0x1ul)); gr = ga; gr &= gb; CHECK(gr == ((long)0x1ul)); lr = la & lb; CHECK(lr == ((long)0x1ul)); CHECK(and_s32(ga, gb) == ((long)0x1ul)); CHECK(anda_s32(la, lb) == ((long)0x1ul));
  gr = ga & ((long)0x1ul); CHECK(gr == ((long)0x1ul)); lr = la; lr &= ((long)0x1ul); CHECK(lr == ((long)0x1ul));
  gr = ga | gb; CHECK(gr == ((long)0x7FFFFFFFul)); gr = ga; gr |= gb; CHECK(gr == ((long)0x7FFFFFFFul)); lr = la | lb; CHECK(lr == ((long)0x7FFFFFFFul)); CHECK(or_s32(ga, gb) == ((long)0x7FFFFFFFul)); CHECK(ora_s32(la, lb) == ((long)0x7FFFFFFFul));
  gr = ga | ((long)0x1ul); CHECK(gr == ((long)0x7FFFFFFFul)); lr = la; lr |= ((long)0x1ul); CHECK(lr == ((long)0x7FFFFFFFul));
  gr = ga ^ gb; CHECK(gr == ((long)0x7FFFFFFEul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0x7FFFFFFEul)); lr = la ^ lb; CHECK(lr == ((long)0x7FFFFFFEul)); CHECK(xor_s32(ga, gb) == ((long)0x7FFFFFFEul)); CHECK(xora_s32(la, lb) == ((long)0x7FFFFFFEul));
  gr = ga ^ ((long)0x1ul); CHECK(gr == ((long)0x7FFFFFFEul)); lr = la; lr ^= ((long)0x1ul); CHECK(lr == ((long)0x7FFFFFFEul));
  gr = ga / gb; CHECK(gr == ((long)0x7FFFFFFFul)); gr = ga; gr /= gb; CHECK(gr == ((long)0x7FFFFFFFul)); lr = la / lb; CHECK(lr == ((long)0x7FFFFFFFul)); CHECK(div_s32(ga, gb) == ((long)0x7FFFFFFFul)); CHECK(diva_s32(la, lb) == ((long)0x7FFFFFFFul));
  gr = ga / ((long)0x1ul); CHECK(gr == ((long)0x7FFFFFFFul)); lr = la; lr /= ((long)0x1ul); CHECK(lr == ((long)0x7FFFFFFFul));
  gr = ga % gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr %= gb; CHECK(gr == ((long)0x0ul)); lr = la % lb; CHECK(lr == ((long)0x0ul)); CHECK(mod_s32(ga, gb) == ((long)0x0ul)); CHECK(moda_s32(la, lb) == ((long)0x0ul));
  gr = ga % ((long)0x1ul); CHECK(gr == ((long)0x0ul)); lr = la; lr %= ((long)0x1ul); CHECK(lr == ((long)0x0ul));
  CHECK(cmp_s32(ga, gb) == 42); CHECK((ga < gb) == 0); CHECK((la >= lb) == 1); CHECK((ga == ((long)0x7FFFFFFFul)) == 1);
  gr = -ga; CHECK(gr == ((long)0x80000001ul)); lr = ~la; CHECK(lr == ((long)0x80000000ul)); CHECK(!ga == 0); CHECK((ga && gb) == 1); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0x80000000ul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0x7FFFFFFEul)); lr = la; CHECK(lr++ == ((long)0x7FFFFFFFul)); CHECK(lr == ((long)0x80000000ul));
  ga = ((long)0x80000000ul); gb = ((long)0xFFFFFFFFul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0x7FFFFFFFul)); gr = ga; gr += gb; CHECK(gr == ((long)0x7FFFFFFFul)); lr = la + lb; CHECK(lr == ((long)0x7FFFFFFFul)); CHECK(add_s32(ga, gb) == ((long)0x7FFFFFFFul)); CHECK(adda_s32(la, lb) == ((long)0x7FFFFFFFul));
  gr = ga + ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x7FFFFFFFul)); lr = la; lr += ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x7FFFFFFFul));
  gr = ga - gb; CHECK(gr == ((long)0x80000001ul)); gr = ga; gr -= gb; CHECK(gr == ((long)0x80000001ul)); lr = la - lb; CHECK(lr == ((long)0x80000001ul)); CHECK(sub_s32(ga, gb) == ((long)0x80000001ul)); CHECK(suba_s32(la, lb) == ((long)0x80000001ul));
  gr = ga - ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x80000001ul)); lr = la; lr -= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x80000001ul));
  gr = ga * gb; CHECK(gr == ((long)0x80000000ul)); gr = ga; gr *= gb; CHECK(gr == ((long)0x80000000ul)); lr = la * lb; CHECK(lr == ((long)0x80000000ul)); CHECK(mul_s32(ga, gb) == ((long)0x80000000ul)); CHECK(mula_s32(la, lb) == ((long)0x80000000ul));
  gr = ga * ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x80000000ul)); lr = la; lr *= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x80000000ul));
  gr = ga & gb; CHECK(gr == ((long)0x80000000ul)); gr = ga; gr &= gb; CHECK(gr == ((long)0x80000000ul)); lr = la & lb; CHECK(lr == ((long)0x80000000ul)); CHECK(and_s32(ga, gb) == ((long)0x80000000ul)); CHECK(anda_s32(la, lb) == ((long)0x80000000ul));
  gr = ga & ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x80000000ul)); lr = la; lr &= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x80000000ul));
  gr = ga | gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr |= gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la | lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(or_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(ora_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga | ((long)0xFFFFFFFFul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr |= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0xFFFFFFFFul));
  gr = ga ^ gb; CHECK(gr == ((long)0x7FFFFFFFul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0x7FFFFFFFul)); lr = la ^ lb; CHECK(lr == ((long)0x7FFFFFFFul)); CHECK(xor_s32(ga, gb) == ((long)0x7FFFFFFFul)); CHECK(xora_s32(la, lb) == ((long)0x7FFFFFFFul));
  gr = ga ^ ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x7FFFFFFFul)); lr = la; lr ^= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x7FFFFFFFul));
  gr = ga / gb; CHECK(gr == ((long)0x80000000ul)); gr = ga; gr /= gb; CHECK(gr == ((long)0x80000000ul)); lr = la / lb; CHECK(lr == ((long)0x80000000ul)); CHECK(div_s32(ga, gb) == ((long)0x80000000ul)); CHECK(diva_s32(la, lb) == ((long)0x80000000ul));
  gr = ga / ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x80000000ul)); lr = la; lr /= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x80000000ul));
  gr = ga % gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr %= gb; CHECK(gr == ((long)0x0ul)); lr = la % lb; CHECK(lr == ((long)0x0ul)); CHECK(mod_s32(ga, gb) == ((long)0x0ul)); CHECK(moda_s32(la, lb) == ((long)0x0ul));
  gr = ga % ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x0ul)); lr = la; lr %= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x0ul));
  CHECK(cmp_s32(ga, gb) == 37); CHECK((ga < gb) == 1); CHECK((la >= lb) == 0); CHECK((ga == ((long)0x80000000ul)) == 1);
  gr = -ga; CHECK(gr == ((long)0x80000000ul)); lr = ~la; CHECK(lr == ((long)0x7FFFFFFFul)); CHECK(!ga == 0); CHECK((ga && gb) == 1); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0x80000001ul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0x7FFFFFFFul)); lr = la; CHECK(lr++ == ((long)0x80000000ul)); CHECK(lr == ((long)0x80000001ul));
  ga = ((long)0xFFFFFFFFul); gb = ((long)0xFFFFFFFFul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0xFFFFFFFEul)); gr = ga; gr += gb; CHECK(gr == ((long)0xFFFFFFFEul)); lr = la + lb; CHECK(lr == ((long)0xFFFFFFFEul)); CHECK(add_s32(ga, gb) == ((long)0xFFFFFFFEul)); CHECK(adda_s32(la, lb) == ((long)0xFFFFFFFEul));
  gr = ga + ((long)0xFFFFFFFFul); CHECK(gr == ((long)0xFFFFFFFEul)); lr = la; lr += ((long)0xFFFFFFFFul); CHECK(lr == ((long)0xFFFFFFFEul));
  gr = ga - gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr -= gb; CHECK(gr == ((long)0x0ul)); lr = la - lb; CHECK(lr == ((long)0x0ul)); CHECK(sub_s32(ga, gb) == ((long)0x0ul)); CHECK(suba_s32(la, lb) == ((long)0x0ul));
  gr = ga - ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x0ul)); lr = la; lr -= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x0ul));
  gr = ga * gb; CHECK(gr == ((long)0x1ul)); gr = ga; gr *= gb; CHECK(gr == ((long)0x1ul)); lr = la * lb; CHECK(lr == ((long)0x1ul)); CHECK(mul_s32(ga, gb) == ((long)0x1ul)); CHECK(mula_s32(la, lb) == ((long)0x1ul));
  gr = ga * ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x1ul)); lr = la; lr *= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x1ul));
  gr = ga & gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr &= gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la & lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(and_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(anda_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga & ((long)0xFFFFFFFFul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr &= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0xFFFFFFFFul));
  gr = ga | gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr |= gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la | lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(or_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(ora_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga | ((long)0xFFFFFFFFul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr |= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0xFFFFFFFFul));
  gr = ga ^ gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0x0ul)); lr = la ^ lb; CHECK(lr == ((long)0x0ul)); CHECK(xor_s32(ga, gb) == ((long)0x0ul)); CHECK(xora_s32(la, lb) == ((long)0x0ul));
  gr = ga ^ ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x0ul)); lr = la; lr ^= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x0ul));
  gr = ga / gb; CHECK(gr == ((long)0x1ul)); gr = ga; gr /= gb; CHECK(gr == ((long)0x1ul)); lr = la / lb; CHECK(lr == ((long)0x1ul)); CHECK(div_s32(ga, gb) == ((long)0x1ul)); CHECK(diva_s32(la, lb) == ((long)0x1ul));
  gr = ga / ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x1ul)); lr = la; lr /= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x1ul));
  gr = ga % gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr %= gb; CHECK(gr == ((long)0x0ul)); lr = la % lb; CHECK(lr == ((long)0x0ul)); CHECK(mod_s32(ga, gb) == ((long)0x0ul)); CHECK(moda_s32(la, lb) == ((long)0x0ul));
  gr = ga % ((long)0xFFFFFFFFul); CHECK(gr == ((long)0x0ul)); lr = la; lr %= ((long)0xFFFFFFFFul); CHECK(lr == ((long)0x0ul));
  CHECK(cmp_s32(ga, gb) == 28); CHECK((ga < gb) == 0); CHECK((la >= lb) == 1); CHECK((ga == ((long)0xFFFFFFFFul)) == 1);
  gr = -ga; CHECK(gr == ((long)0x1ul)); lr = ~la; CHECK(lr == ((long)0x0ul)); CHECK(!ga == 0); CHECK((ga && gb) == 1); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0x0ul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0xFFFFFFFEul)); lr = la; CHECK(lr++ == ((long)0xFFFFFFFFul)); CHECK(lr == ((long)0x0ul));
  ga = ((long)0x80000000ul); gb = ((long)0x7FFFFFFFul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr += gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la + lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(add_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(adda_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga + ((long)0x7FFFFFFFul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr += ((long)0x7FFFFFFFul); CHECK(lr == ((long)0xFFFFFFFFul));
  gr = ga - gb; CHECK(gr == ((long)0x1ul)); gr = ga; gr -= gb; CHECK(gr == ((long)0x1ul)); lr = la - lb; CHECK(lr == ((long)0x1ul)); CHECK(sub_s32(ga, gb) == ((long)0x1ul)); CHECK(suba_s32(la, lb) == ((long)0x1ul));
  gr = ga - ((long)0x7FFFFFFFul); CHECK(gr == ((long)0x1ul)); lr = la; lr -= ((long)0x7FFFFFFFul); CHECK(lr == ((long)0x1ul));
  gr = ga * gb; CHECK(gr == ((long)0x80000000ul)); gr = ga; gr *= gb; CHECK(gr == ((long)0x80000000ul)); lr = la * lb; CHECK(lr == ((long)0x80000000ul)); CHECK(mul_s32(ga, gb) == ((long)0x80000000ul)); CHECK(mula_s32(la, lb) == ((long)0x80000000ul));
  gr = ga * ((long)0x7FFFFFFFul); CHECK(gr == ((long)0x80000000ul)); lr = la; lr *= ((long)0x7FFFFFFFul); CHECK(lr == ((long)0x80000000ul));
  gr = ga & gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr &= gb; CHECK(gr == ((long)0x0ul)); lr = la & lb; CHECK(lr == ((long)0x0ul)); CHECK(and_s32(ga, gb) == ((long)0x0ul)); CHECK(anda_s32(la, lb) == ((long)0x0ul));
  gr = ga & ((long)0x7FFFFFFFul); CHECK(gr == ((long)0x0ul)); lr = la; lr &= ((long)0x7FFFFFFFul); CHECK(lr == ((long)0x0ul));
  gr = ga | gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr |= gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la | lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(or_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(ora_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga | ((long)0x7FFFFFFFul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr |= ((long)0x7FFFFFFFul); CHECK(lr == ((long)0xFFFFFFFFul));
  gr = ga ^ gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la ^ lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(xor_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(xora_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga ^ ((long)0x7FFFFFFFul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr ^= ((long)0x7FFFFFFFul); CHECK(lr == ((long)0xFFFFFFFFul));
  gr = ga / gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr /= gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la / lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(div_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(diva_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga / ((long)0x7FFFFFFFul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr /= ((long)0x7FFFFFFFul); CHECK(lr == ((long)0xFFFFFFFFul));
  gr = ga % gb; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr %= gb; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la % lb; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(mod_s32(ga, gb) == ((long)0xFFFFFFFFul)); CHECK(moda_s32(la, lb) == ((long)0xFFFFFFFFul));
  gr = ga % ((long)0x7FFFFFFFul); CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr %= ((long)0x7FFFFFFFul); CHECK(lr == ((long)0xFFFFFFFFul));
  CHECK(cmp_s32(ga, gb) == 37); CHECK((ga < gb) == 1); CHECK((la >= lb) == 0); CHECK((ga == ((long)0x80000000ul)) == 1);
  gr = -ga; CHECK(gr == ((long)0x80000000ul)); lr = ~la; CHECK(lr == ((long)0x7FFFFFFFul)); CHECK(!ga == 0); CHECK((ga && gb) == 1); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0x80000001ul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0x7FFFFFFFul)); lr = la; CHECK(lr++ == ((long)0x80000000ul)); CHECK(lr == ((long)0x80000001ul));
  ga = ((long)0xFFFFFED4ul); gb = ((long)0x7ul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0xFFFFFEDBul)); gr = ga; gr += gb; CHECK(gr == ((long)0xFFFFFEDBul)); lr = la + lb; CHECK(lr == ((long)0xFFFFFEDBul)); CHECK(add_s32(ga, gb) == ((long)0xFFFFFEDBul)); CHECK(adda_s32(la, lb) == ((long)0xFFFFFEDBul));
  gr = ga + ((long)0x7ul); CHECK(gr == ((long)0xFFFFFEDBul)); lr = la; lr += ((long)0x7ul); CHECK(lr == ((long)0xFFFFFEDBul));
  gr = ga - gb; CHECK(gr == ((long)0xFFFFFECDul)); gr = ga; gr -= gb; CHECK(gr == ((long)0xFFFFFECDul)); lr = la - lb; CHECK(lr == ((long)0xFFFFFECDul)); CHECK(sub_s32(ga, gb) == ((long)0xFFFFFECDul)); CHECK(suba_s32(la, lb) == ((long)0xFFFFFECDul));
  gr = ga - ((long)0x7ul); CHECK(gr == ((long)0xFFFFFECDul)); lr = la; lr -= ((long)0x7ul); CHECK(lr == ((long)0xFFFFFECDul));
  gr = ga * gb; CHECK(gr == ((long)0xFFFFF7CCul)); gr = ga; gr *= gb; CHECK(gr == ((long)0xFFFFF7CCul)); lr = la * lb; CHECK(lr == ((long)0xFFFFF7CCul)); CHECK(mul_s32(ga, gb) == ((long)0xFFFFF7CCul)); CHECK(mula_s32(la, lb) == ((long)0xFFFFF7CCul));
  gr = ga * ((long)0x7ul); CHECK(gr == ((long)0xFFFFF7CCul)); lr = la; lr *= ((long)0x7ul); CHECK(lr == ((long)0xFFFFF7CCul));
  gr = ga & gb; CHECK(gr == ((long)0x4ul)); gr = ga; gr &= gb; CHECK(gr == ((long)0x4ul)); lr = la & lb; CHECK(lr == ((long)0x4ul)); CHECK(and_s32(ga, gb) == ((long)0x4ul)); CHECK(anda_s32(la, lb) == ((long)0x4ul));
  gr = ga & ((long)0x7ul); CHECK(gr == ((long)0x4ul)); lr = la; lr &= ((long)0x7ul); CHECK(lr == ((long)0x4ul));
  gr = ga | gb; CHECK(gr == ((long)0xFFFFFED7ul)); gr = ga; gr |= gb; CHECK(gr == ((long)0xFFFFFED7ul)); lr = la | lb; CHECK(lr == ((long)0xFFFFFED7ul)); CHECK(or_s32(ga, gb) == ((long)0xFFFFFED7ul)); CHECK(ora_s32(la, lb) == ((long)0xFFFFFED7ul));
  gr = ga | ((long)0x7ul); CHECK(gr == ((long)0xFFFFFED7ul)); lr = la; lr |= ((long)0x7ul); CHECK(lr == ((long)0xFFFFFED7ul));
  gr = ga ^ gb; CHECK(gr == ((long)0xFFFFFED3ul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0xFFFFFED3ul)); lr = la ^ lb; CHECK(lr == ((long)0xFFFFFED3ul)); CHECK(xor_s32(ga, gb) == ((long)0xFFFFFED3ul)); CHECK(xora_s32(la, lb) == ((long)0xFFFFFED3ul));
  gr = ga ^ ((long)0x7ul); CHECK(gr == ((long)0xFFFFFED3ul)); lr = la; lr ^= ((long)0x7ul); CHECK(lr == ((long)0xFFFFFED3ul));
  gr = ga / gb; CHECK(gr == ((long)0xFFFFFFD6ul)); gr = ga; gr /= gb; CHECK(gr == ((long)0xFFFFFFD6ul)); lr = la / lb; CHECK(lr == ((long)0xFFFFFFD6ul)); CHECK(div_s32(ga, gb) == ((long)0xFFFFFFD6ul)); CHECK(diva_s32(la, lb) == ((long)0xFFFFFFD6ul));
  gr = ga / ((long)0x7ul); CHECK(gr == ((long)0xFFFFFFD6ul)); lr = la; lr /= ((long)0x7ul); CHECK(lr == ((long)0xFFFFFFD6ul));
  gr = ga % gb; CHECK(gr == ((long)0xFFFFFFFAul)); gr = ga; gr %= gb; CHECK(gr == ((long)0xFFFFFFFAul)); lr = la % lb; CHECK(lr == ((long)0xFFFFFFFAul)); CHECK(mod_s32(ga, gb) == ((long)0xFFFFFFFAul)); CHECK(moda_s32(la, lb) == ((long)0xFFFFFFFAul));
  gr = ga % ((long)0x7ul); CHECK(gr == ((long)0xFFFFFFFAul)); lr = la; lr %= ((long)0x7ul); CHECK(lr == ((long)0xFFFFFFFAul));
  CHECK(cmp_s32(ga, gb) == 37); CHECK((ga < gb) == 1); CHECK((la >= lb) == 0); CHECK((ga == ((long)0xFFFFFED4ul)) == 1);
  gr = -ga; CHECK(gr == ((long)0x12Cul)); lr = ~la; CHECK(lr == ((long)0x12Bul)); CHECK(!ga == 0); CHECK((ga && gb) == 1); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0xFFFFFED5ul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0xFFFFFED3ul)); lr = la; CHECK(lr++ == ((long)0xFFFFFED4ul)); CHECK(lr == ((long)0xFFFFFED5ul));
  ga = ((long)0x3039ul); gb = ((long)0xFFFFFF00ul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0x2F39ul)); gr = ga; gr += gb; CHECK(gr == ((long)0x2F39ul)); lr = la + lb; CHECK(lr == ((long)0x2F39ul)); CHECK(add_s32(ga, gb) == ((long)0x2F39ul)); CHECK(adda_s32(la, lb) == ((long)0x2F39ul));
  gr = ga + ((long)0xFFFFFF00ul); CHECK(gr == ((long)0x2F39ul)); lr = la; lr += ((long)0xFFFFFF00ul); CHECK(lr == ((long)0x2F39ul));
  gr = ga - gb; CHECK(gr == ((long)0x3139ul)); gr = ga; gr -= gb; CHECK(gr == ((long)0x3139ul)); lr = la - lb; CHECK(lr == ((long)0x3139ul)); CHECK(sub_s32(ga, gb) == ((long)0x3139ul)); CHECK(suba_s32(la, lb) == ((long)0x3139ul));
  gr = ga - ((long)0xFFFFFF00ul); CHECK(gr == ((long)0x3139ul)); lr = la; lr -= ((long)0xFFFFFF00ul); CHECK(lr == ((long)0x3139ul));
  gr = ga * gb; CHECK(gr == ((long)0xFFCFC700ul)); gr = ga; gr *= gb; CHECK(gr == ((long)0xFFCFC700ul)); lr = la * lb; CHECK(lr == ((long)0xFFCFC700ul)); CHECK(mul_s32(ga, gb) == ((long)0xFFCFC700ul)); CHECK(mula_s32(la, lb) == ((long)0xFFCFC700ul));
  gr = ga * ((long)0xFFFFFF00ul); CHECK(gr == ((long)0xFFCFC700ul)); lr = la; lr *= ((long)0xFFFFFF00ul); CHECK(lr == ((long)0xFFCFC700ul));
  gr = ga & gb; CHECK(gr == ((long)0x3000ul)); gr = ga; gr &= gb; CHECK(gr == ((long)0x3000ul)); lr = la & lb; CHECK(lr == ((long)0x3000ul)); CHECK(and_s32(ga, gb) == ((long)0x3000ul)); CHECK(anda_s32(la, lb) == ((long)0x3000ul));
  gr = ga & ((long)0xFFFFFF00ul); CHECK(gr == ((long)0x3000ul)); lr = la; lr &= ((long)0xFFFFFF00ul); CHECK(lr == ((long)0x3000ul));
  gr = ga | gb; CHECK(gr == ((long)0xFFFFFF39ul)); gr = ga; gr |= gb; CHECK(gr == ((long)0xFFFFFF39ul)); lr = la | lb; CHECK(lr == ((long)0xFFFFFF39ul)); CHECK(or_s32(ga, gb) == ((long)0xFFFFFF39ul)); CHECK(ora_s32(la, lb) == ((long)0xFFFFFF39ul));
  gr = ga | ((long)0xFFFFFF00ul); CHECK(gr == ((long)0xFFFFFF39ul)); lr = la; lr |= ((long)0xFFFFFF00ul); CHECK(lr == ((long)0xFFFFFF39ul));
  gr = ga ^ gb; CHECK(gr == ((long)0xFFFFCF39ul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0xFFFFCF39ul)); lr = la ^ lb; CHECK(lr == ((long)0xFFFFCF39ul)); CHECK(xor_s32(ga, gb) == ((long)0xFFFFCF39ul)); CHECK(xora_s32(la, lb) == ((long)0xFFFFCF39ul));
  gr = ga ^ ((long)0xFFFFFF00ul); CHECK(gr == ((long)0xFFFFCF39ul)); lr = la; lr ^= ((long)0xFFFFFF00ul); CHECK(lr == ((long)0xFFFFCF39ul));
  gr = ga / gb; CHECK(gr == ((long)0xFFFFFFD0ul)); gr = ga; gr /= gb; CHECK(gr == ((long)0xFFFFFFD0ul)); lr = la / lb; CHECK(lr == ((long)0xFFFFFFD0ul)); CHECK(div_s32(ga, gb) == ((long)0xFFFFFFD0ul)); CHECK(diva_s32(la, lb) == ((long)0xFFFFFFD0ul));
  gr = ga / ((long)0xFFFFFF00ul); CHECK(gr == ((long)0xFFFFFFD0ul)); lr = la; lr /= ((long)0xFFFFFF00ul); CHECK(lr == ((long)0xFFFFFFD0ul));
  gr = ga % gb; CHECK(gr == ((long)0x39ul)); gr = ga; gr %= gb; CHECK(gr == ((long)0x39ul)); lr = la % lb; CHECK(lr == ((long)0x39ul)); CHECK(mod_s32(ga, gb) == ((long)0x39ul)); CHECK(moda_s32(la, lb) == ((long)0x39ul));
  gr = ga % ((long)0xFFFFFF00ul); CHECK(gr == ((long)0x39ul)); lr = la; lr %= ((long)0xFFFFFF00ul); CHECK(lr == ((long)0x39ul));
  CHECK(cmp_s32(ga, gb) == 42); CHECK((ga < gb) == 0); CHECK((la >= lb) == 1); CHECK((ga == ((long)0x3039ul)) == 1);
  gr = -ga; CHECK(gr == ((long)0xFFFFCFC7ul)); lr = ~la; CHECK(lr == ((long)0xFFFFCFC6ul)); CHECK(!ga == 0); CHECK((ga && gb) == 1); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0x303Aul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0x3038ul)); lr = la; CHECK(lr++ == ((long)0x3039ul)); CHECK(lr == ((long)0x303Aul));
  ga = ((long)0x123456ul); gb = ((long)0x10000ul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0x133456ul)); gr = ga; gr += gb; CHECK(gr == ((long)0x133456ul)); lr = la + lb; CHECK(lr == ((long)0x133456ul)); CHECK(add_s32(ga, gb) == ((long)0x133456ul)); CHECK(adda_s32(la, lb) == ((long)0x133456ul));
  gr = ga + ((long)0x10000ul); CHECK(gr == ((long)0x133456ul)); lr = la; lr += ((long)0x10000ul); CHECK(lr == ((long)0x133456ul));
  gr = ga - gb; CHECK(gr == ((long)0x113456ul)); gr = ga; gr -= gb; CHECK(gr == ((long)0x113456ul)); lr = la - lb; CHECK(lr == ((long)0x113456ul)); CHECK(sub_s32(ga, gb) == ((long)0x113456ul)); CHECK(suba_s32(la, lb) == ((long)0x113456ul));
  gr = ga - ((long)0x10000ul); CHECK(gr == ((long)0x113456ul)); lr = la; lr -= ((long)0x10000ul); CHECK(lr == ((long)0x113456ul));
  gr = ga * gb; CHECK(gr == ((long)0x34560000ul)); gr = ga; gr *= gb; CHECK(gr == ((long)0x34560000ul)); lr = la * lb; CHECK(lr == ((long)0x34560000ul)); CHECK(mul_s32(ga, gb) == ((long)0x34560000ul)); CHECK(mula_s32(la, lb) == ((long)0x34560000ul));
  gr = ga * ((long)0x10000ul); CHECK(gr == ((long)0x34560000ul)); lr = la; lr *= ((long)0x10000ul); CHECK(lr == ((long)0x34560000ul));
  gr = ga & gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr &= gb; CHECK(gr == ((long)0x0ul)); lr = la & lb; CHECK(lr == ((long)0x0ul)); CHECK(and_s32(ga, gb) == ((long)0x0ul)); CHECK(anda_s32(la, lb) == ((long)0x0ul));
  gr = ga & ((long)0x10000ul); CHECK(gr == ((long)0x0ul)); lr = la; lr &= ((long)0x10000ul); CHECK(lr == ((long)0x0ul));
  gr = ga | gb; CHECK(gr == ((long)0x133456ul)); gr = ga; gr |= gb; CHECK(gr == ((long)0x133456ul)); lr = la | lb; CHECK(lr == ((long)0x133456ul)); CHECK(or_s32(ga, gb) == ((long)0x133456ul)); CHECK(ora_s32(la, lb) == ((long)0x133456ul));
  gr = ga | ((long)0x10000ul); CHECK(gr == ((long)0x133456ul)); lr = la; lr |= ((long)0x10000ul); CHECK(lr == ((long)0x133456ul));
  gr = ga ^ gb; CHECK(gr == ((long)0x133456ul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0x133456ul)); lr = la ^ lb; CHECK(lr == ((long)0x133456ul)); CHECK(xor_s32(ga, gb) == ((long)0x133456ul)); CHECK(xora_s32(la, lb) == ((long)0x133456ul));
  gr = ga ^ ((long)0x10000ul); CHECK(gr == ((long)0x133456ul)); lr = la; lr ^= ((long)0x10000ul); CHECK(lr == ((long)0x133456ul));
  gr = ga / gb; CHECK(gr == ((long)0x12ul)); gr = ga; gr /= gb; CHECK(gr == ((long)0x12ul)); lr = la / lb; CHECK(lr == ((long)0x12ul)); CHECK(div_s32(ga, gb) == ((long)0x12ul)); CHECK(diva_s32(la, lb) == ((long)0x12ul));
  gr = ga / ((long)0x10000ul); CHECK(gr == ((long)0x12ul)); lr = la; lr /= ((long)0x10000ul); CHECK(lr == ((long)0x12ul));
  gr = ga % gb; CHECK(gr == ((long)0x3456ul)); gr = ga; gr %= gb; CHECK(gr == ((long)0x3456ul)); lr = la % lb; CHECK(lr == ((long)0x3456ul)); CHECK(mod_s32(ga, gb) == ((long)0x3456ul)); CHECK(moda_s32(la, lb) == ((long)0x3456ul));
  gr = ga % ((long)0x10000ul); CHECK(gr == ((long)0x3456ul)); lr = la; lr %= ((long)0x10000ul); CHECK(lr == ((long)0x3456ul));
  CHECK(cmp_s32(ga, gb) == 42); CHECK((ga < gb) == 0); CHECK((la >= lb) == 1); CHECK((ga == ((long)0x123456ul)) == 1);
  gr = -ga; CHECK(gr == ((long)0xFFEDCBAAul)); lr = ~la; CHECK(lr == ((long)0xFFEDCBA9ul)); CHECK(!ga == 0); CHECK((ga && gb) == 1); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0x123457ul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0x123455ul)); lr = la; CHECK(lr++ == ((long)0x123456ul)); CHECK(lr == ((long)0x123457ul));
  ga = ((long)0x3E8ul); gb = ((long)0x0ul); la = ga; lb = gb;
  gr = ga + gb; CHECK(gr == ((long)0x3E8ul)); gr = ga; gr += gb; CHECK(gr == ((long)0x3E8ul)); lr = la + lb; CHECK(lr == ((long)0x3E8ul)); CHECK(add_s32(ga, gb) == ((long)0x3E8ul)); CHECK(adda_s32(la, lb) == ((long)0x3E8ul));
  gr = ga - gb; CHECK(gr == ((long)0x3E8ul)); gr = ga; gr -= gb; CHECK(gr == ((long)0x3E8ul)); lr = la - lb; CHECK(lr == ((long)0x3E8ul)); CHECK(sub_s32(ga, gb) == ((long)0x3E8ul)); CHECK(suba_s32(la, lb) == ((long)0x3E8ul));
  gr = ga * gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr *= gb; CHECK(gr == ((long)0x0ul)); lr = la * lb; CHECK(lr == ((long)0x0ul)); CHECK(mul_s32(ga, gb) == ((long)0x0ul)); CHECK(mula_s32(la, lb) == ((long)0x0ul));
  gr = ga & gb; CHECK(gr == ((long)0x0ul)); gr = ga; gr &= gb; CHECK(gr == ((long)0x0ul)); lr = la & lb; CHECK(lr == ((long)0x0ul)); CHECK(and_s32(ga, gb) == ((long)0x0ul)); CHECK(anda_s32(la, lb) == ((long)0x0ul));
  gr = ga | gb; CHECK(gr == ((long)0x3E8ul)); gr = ga; gr |= gb; CHECK(gr == ((long)0x3E8ul)); lr = la | lb; CHECK(lr == ((long)0x3E8ul)); CHECK(or_s32(ga, gb) == ((long)0x3E8ul)); CHECK(ora_s32(la, lb) == ((long)0x3E8ul));
  gr = ga ^ gb; CHECK(gr == ((long)0x3E8ul)); gr = ga; gr ^= gb; CHECK(gr == ((long)0x3E8ul)); lr = la ^ lb; CHECK(lr == ((long)0x3E8ul)); CHECK(xor_s32(ga, gb) == ((long)0x3E8ul)); CHECK(xora_s32(la, lb) == ((long)0x3E8ul));
  CHECK(cmp_s32(ga, gb) == 42); CHECK((ga < gb) == 0); CHECK((la >= lb) == 1); CHECK((ga == ((long)0x3E8ul)) == 1);
  gr = -ga; CHECK(gr == ((long)0xFFFFFC18ul)); lr = ~la; CHECK(lr == ((long)0xFFFFFC17ul)); CHECK(!ga == 0); CHECK((ga && gb) == 0); CHECK((ga || gb) == 1);
  gr = ga; gr++; CHECK(gr == ((long)0x3E9ul)); ++gr; --gr; gr--; gr--; CHECK(gr == ((long)0x3E7ul)); lr = la; CHECK(lr++ == ((long)0x3E8ul)); CHECK(lr == ((long)0x3E9ul));
  ga = ((long)0x1ul); la = ga;
  gn = 0; gr = ga << 0; CHECK(gr == ((long)0x1ul)); gr = ga >> 0; CHECK(gr == ((long)0x1ul)); gr = ga << gn; CHECK(gr == ((long)0x1ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x1ul)); lr = la; lr <<= 0; CHECK(lr == ((long)0x1ul)); CHECK(shl_s32(la, gn) == ((long)0x1ul)); CHECK(shr_s32(la, gn) == ((long)0x1ul));
  gn = 1; gr = ga << 1; CHECK(gr == ((long)0x2ul)); gr = ga >> 1; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x2ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 1; CHECK(lr == ((long)0x2ul)); CHECK(shl_s32(la, gn) == ((long)0x2ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 4; gr = ga << 4; CHECK(gr == ((long)0x10ul)); gr = ga >> 4; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x10ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 4; CHECK(lr == ((long)0x10ul)); CHECK(shl_s32(la, gn) == ((long)0x10ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 7; gr = ga << 7; CHECK(gr == ((long)0x80ul)); gr = ga >> 7; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x80ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 7; CHECK(lr == ((long)0x80ul)); CHECK(shl_s32(la, gn) == ((long)0x80ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 8; gr = ga << 8; CHECK(gr == ((long)0x100ul)); gr = ga >> 8; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x100ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 8; CHECK(lr == ((long)0x100ul)); CHECK(shl_s32(la, gn) == ((long)0x100ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 9; gr = ga << 9; CHECK(gr == ((long)0x200ul)); gr = ga >> 9; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x200ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 9; CHECK(lr == ((long)0x200ul)); CHECK(shl_s32(la, gn) == ((long)0x200ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 12; gr = ga << 12; CHECK(gr == ((long)0x1000ul)); gr = ga >> 12; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x1000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 12; CHECK(lr == ((long)0x1000ul)); CHECK(shl_s32(la, gn) == ((long)0x1000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 15; gr = ga << 15; CHECK(gr == ((long)0x8000ul)); gr = ga >> 15; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x8000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 15; CHECK(lr == ((long)0x8000ul)); CHECK(shl_s32(la, gn) == ((long)0x8000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 16; gr = ga << 16; CHECK(gr == ((long)0x10000ul)); gr = ga >> 16; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x10000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 16; CHECK(lr == ((long)0x10000ul)); CHECK(shl_s32(la, gn) == ((long)0x10000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 17; gr = ga << 17; CHECK(gr == ((long)0x20000ul)); gr = ga >> 17; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x20000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 17; CHECK(lr == ((long)0x20000ul)); CHECK(shl_s32(la, gn) == ((long)0x20000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 20; gr = ga << 20; CHECK(gr == ((long)0x100000ul)); gr = ga >> 20; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x100000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 20; CHECK(lr == ((long)0x100000ul)); CHECK(shl_s32(la, gn) == ((long)0x100000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 23; gr = ga << 23; CHECK(gr == ((long)0x800000ul)); gr = ga >> 23; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x800000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 23; CHECK(lr == ((long)0x800000ul)); CHECK(shl_s32(la, gn) == ((long)0x800000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 24; gr = ga << 24; CHECK(gr == ((long)0x1000000ul)); gr = ga >> 24; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x1000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 24; CHECK(lr == ((long)0x1000000ul)); CHECK(shl_s32(la, gn) == ((long)0x1000000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 25; gr = ga << 25; CHECK(gr == ((long)0x2000000ul)); gr = ga >> 25; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x2000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 25; CHECK(lr == ((long)0x2000000ul)); CHECK(shl_s32(la, gn) == ((long)0x2000000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 31; gr = ga << 31; CHECK(gr == ((long)0x80000000ul)); gr = ga >> 31; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x80000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 31; CHECK(lr == ((long)0x80000000ul)); CHECK(shl_s32(la, gn) == ((long)0x80000000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  ga = ((long)0xFFFFFFFFul); la = ga;
  gn = 0; gr = ga << 0; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga >> 0; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 0; CHECK(lr == ((long)0xFFFFFFFFul)); CHECK(shl_s32(la, gn) == ((long)0xFFFFFFFFul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 1; gr = ga << 1; CHECK(gr == ((long)0xFFFFFFFEul)); gr = ga >> 1; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFFFFFEul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 1; CHECK(lr == ((long)0xFFFFFFFEul)); CHECK(shl_s32(la, gn) == ((long)0xFFFFFFFEul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 4; gr = ga << 4; CHECK(gr == ((long)0xFFFFFFF0ul)); gr = ga >> 4; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFFFFF0ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 4; CHECK(lr == ((long)0xFFFFFFF0ul)); CHECK(shl_s32(la, gn) == ((long)0xFFFFFFF0ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 7; gr = ga << 7; CHECK(gr == ((long)0xFFFFFF80ul)); gr = ga >> 7; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFFFF80ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 7; CHECK(lr == ((long)0xFFFFFF80ul)); CHECK(shl_s32(la, gn) == ((long)0xFFFFFF80ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 8; gr = ga << 8; CHECK(gr == ((long)0xFFFFFF00ul)); gr = ga >> 8; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFFFF00ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 8; CHECK(lr == ((long)0xFFFFFF00ul)); CHECK(shl_s32(la, gn) == ((long)0xFFFFFF00ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 9; gr = ga << 9; CHECK(gr == ((long)0xFFFFFE00ul)); gr = ga >> 9; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFFFE00ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 9; CHECK(lr == ((long)0xFFFFFE00ul)); CHECK(shl_s32(la, gn) == ((long)0xFFFFFE00ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 12; gr = ga << 12; CHECK(gr == ((long)0xFFFFF000ul)); gr = ga >> 12; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFFF000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 12; CHECK(lr == ((long)0xFFFFF000ul)); CHECK(shl_s32(la, gn) == ((long)0xFFFFF000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 15; gr = ga << 15; CHECK(gr == ((long)0xFFFF8000ul)); gr = ga >> 15; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFF8000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 15; CHECK(lr == ((long)0xFFFF8000ul)); CHECK(shl_s32(la, gn) == ((long)0xFFFF8000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 16; gr = ga << 16; CHECK(gr == ((long)0xFFFF0000ul)); gr = ga >> 16; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFF0000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 16; CHECK(lr == ((long)0xFFFF0000ul)); CHECK(shl_s32(la, gn) == ((long)0xFFFF0000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 17; gr = ga << 17; CHECK(gr == ((long)0xFFFE0000ul)); gr = ga >> 17; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFFE0000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 17; CHECK(lr == ((long)0xFFFE0000ul)); CHECK(shl_s32(la, gn) == ((long)0xFFFE0000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 20; gr = ga << 20; CHECK(gr == ((long)0xFFF00000ul)); gr = ga >> 20; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFFF00000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 20; CHECK(lr == ((long)0xFFF00000ul)); CHECK(shl_s32(la, gn) == ((long)0xFFF00000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 23; gr = ga << 23; CHECK(gr == ((long)0xFF800000ul)); gr = ga >> 23; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFF800000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 23; CHECK(lr == ((long)0xFF800000ul)); CHECK(shl_s32(la, gn) == ((long)0xFF800000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 24; gr = ga << 24; CHECK(gr == ((long)0xFF000000ul)); gr = ga >> 24; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFF000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 24; CHECK(lr == ((long)0xFF000000ul)); CHECK(shl_s32(la, gn) == ((long)0xFF000000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 25; gr = ga << 25; CHECK(gr == ((long)0xFE000000ul)); gr = ga >> 25; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xFE000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 25; CHECK(lr == ((long)0xFE000000ul)); CHECK(shl_s32(la, gn) == ((long)0xFE000000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 31; gr = ga << 31; CHECK(gr == ((long)0x80000000ul)); gr = ga >> 31; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0x80000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 31; CHECK(lr == ((long)0x80000000ul)); CHECK(shl_s32(la, gn) == ((long)0x80000000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  ga = ((long)0x5A5A5Aul); la = ga;
  gn = 0; gr = ga << 0; CHECK(gr == ((long)0x5A5A5Aul)); gr = ga >> 0; CHECK(gr == ((long)0x5A5A5Aul)); gr = ga << gn; CHECK(gr == ((long)0x5A5A5Aul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x5A5A5Aul)); lr = la; lr <<= 0; CHECK(lr == ((long)0x5A5A5Aul)); CHECK(shl_s32(la, gn) == ((long)0x5A5A5Aul)); CHECK(shr_s32(la, gn) == ((long)0x5A5A5Aul));
  gn = 1; gr = ga << 1; CHECK(gr == ((long)0xB4B4B4ul)); gr = ga >> 1; CHECK(gr == ((long)0x2D2D2Dul)); gr = ga << gn; CHECK(gr == ((long)0xB4B4B4ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x2D2D2Dul)); lr = la; lr <<= 1; CHECK(lr == ((long)0xB4B4B4ul)); CHECK(shl_s32(la, gn) == ((long)0xB4B4B4ul)); CHECK(shr_s32(la, gn) == ((long)0x2D2D2Dul));
  gn = 4; gr = ga << 4; CHECK(gr == ((long)0x5A5A5A0ul)); gr = ga >> 4; CHECK(gr == ((long)0x5A5A5ul)); gr = ga << gn; CHECK(gr == ((long)0x5A5A5A0ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x5A5A5ul)); lr = la; lr <<= 4; CHECK(lr == ((long)0x5A5A5A0ul)); CHECK(shl_s32(la, gn) == ((long)0x5A5A5A0ul)); CHECK(shr_s32(la, gn) == ((long)0x5A5A5ul));
  gn = 7; gr = ga << 7; CHECK(gr == ((long)0x2D2D2D00ul)); gr = ga >> 7; CHECK(gr == ((long)0xB4B4ul)); gr = ga << gn; CHECK(gr == ((long)0x2D2D2D00ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xB4B4ul)); lr = la; lr <<= 7; CHECK(lr == ((long)0x2D2D2D00ul)); CHECK(shl_s32(la, gn) == ((long)0x2D2D2D00ul)); CHECK(shr_s32(la, gn) == ((long)0xB4B4ul));
  gn = 8; gr = ga << 8; CHECK(gr == ((long)0x5A5A5A00ul)); gr = ga >> 8; CHECK(gr == ((long)0x5A5Aul)); gr = ga << gn; CHECK(gr == ((long)0x5A5A5A00ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x5A5Aul)); lr = la; lr <<= 8; CHECK(lr == ((long)0x5A5A5A00ul)); CHECK(shl_s32(la, gn) == ((long)0x5A5A5A00ul)); CHECK(shr_s32(la, gn) == ((long)0x5A5Aul));
  gn = 9; gr = ga << 9; CHECK(gr == ((long)0xB4B4B400ul)); gr = ga >> 9; CHECK(gr == ((long)0x2D2Dul)); gr = ga << gn; CHECK(gr == ((long)0xB4B4B400ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x2D2Dul)); lr = la; lr <<= 9; CHECK(lr == ((long)0xB4B4B400ul)); CHECK(shl_s32(la, gn) == ((long)0xB4B4B400ul)); CHECK(shr_s32(la, gn) == ((long)0x2D2Dul));
  gn = 12; gr = ga << 12; CHECK(gr == ((long)0xA5A5A000ul)); gr = ga >> 12; CHECK(gr == ((long)0x5A5ul)); gr = ga << gn; CHECK(gr == ((long)0xA5A5A000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x5A5ul)); lr = la; lr <<= 12; CHECK(lr == ((long)0xA5A5A000ul)); CHECK(shl_s32(la, gn) == ((long)0xA5A5A000ul)); CHECK(shr_s32(la, gn) == ((long)0x5A5ul));
  gn = 15; gr = ga << 15; CHECK(gr == ((long)0x2D2D0000ul)); gr = ga >> 15; CHECK(gr == ((long)0xB4ul)); gr = ga << gn; CHECK(gr == ((long)0x2D2D0000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xB4ul)); lr = la; lr <<= 15; CHECK(lr == ((long)0x2D2D0000ul)); CHECK(shl_s32(la, gn) == ((long)0x2D2D0000ul)); CHECK(shr_s32(la, gn) == ((long)0xB4ul));
  gn = 16; gr = ga << 16; CHECK(gr == ((long)0x5A5A0000ul)); gr = ga >> 16; CHECK(gr == ((long)0x5Aul)); gr = ga << gn; CHECK(gr == ((long)0x5A5A0000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x5Aul)); lr = la; lr <<= 16; CHECK(lr == ((long)0x5A5A0000ul)); CHECK(shl_s32(la, gn) == ((long)0x5A5A0000ul)); CHECK(shr_s32(la, gn) == ((long)0x5Aul));
  gn = 17; gr = ga << 17; CHECK(gr == ((long)0xB4B40000ul)); gr = ga >> 17; CHECK(gr == ((long)0x2Dul)); gr = ga << gn; CHECK(gr == ((long)0xB4B40000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x2Dul)); lr = la; lr <<= 17; CHECK(lr == ((long)0xB4B40000ul)); CHECK(shl_s32(la, gn) == ((long)0xB4B40000ul)); CHECK(shr_s32(la, gn) == ((long)0x2Dul));
  gn = 20; gr = ga << 20; CHECK(gr == ((long)0xA5A00000ul)); gr = ga >> 20; CHECK(gr == ((long)0x5ul)); gr = ga << gn; CHECK(gr == ((long)0xA5A00000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x5ul)); lr = la; lr <<= 20; CHECK(lr == ((long)0xA5A00000ul)); CHECK(shl_s32(la, gn) == ((long)0xA5A00000ul)); CHECK(shr_s32(la, gn) == ((long)0x5ul));
  gn = 23; gr = ga << 23; CHECK(gr == ((long)0x2D000000ul)); gr = ga >> 23; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x2D000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 23; CHECK(lr == ((long)0x2D000000ul)); CHECK(shl_s32(la, gn) == ((long)0x2D000000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 24; gr = ga << 24; CHECK(gr == ((long)0x5A000000ul)); gr = ga >> 24; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x5A000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 24; CHECK(lr == ((long)0x5A000000ul)); CHECK(shl_s32(la, gn) == ((long)0x5A000000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 25; gr = ga << 25; CHECK(gr == ((long)0xB4000000ul)); gr = ga >> 25; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0xB4000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 25; CHECK(lr == ((long)0xB4000000ul)); CHECK(shl_s32(la, gn) == ((long)0xB4000000ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  gn = 31; gr = ga << 31; CHECK(gr == ((long)0x0ul)); gr = ga >> 31; CHECK(gr == ((long)0x0ul)); gr = ga << gn; CHECK(gr == ((long)0x0ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0x0ul)); lr = la; lr <<= 31; CHECK(lr == ((long)0x0ul)); CHECK(shl_s32(la, gn) == ((long)0x0ul)); CHECK(shr_s32(la, gn) == ((long)0x0ul));
  ga = ((long)0xFFEDCBAAul); la = ga;
  gn = 0; gr = ga << 0; CHECK(gr == ((long)0xFFEDCBAAul)); gr = ga >> 0; CHECK(gr == ((long)0xFFEDCBAAul)); gr = ga << gn; CHECK(gr == ((long)0xFFEDCBAAul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFEDCBAAul)); lr = la; lr <<= 0; CHECK(lr == ((long)0xFFEDCBAAul)); CHECK(shl_s32(la, gn) == ((long)0xFFEDCBAAul)); CHECK(shr_s32(la, gn) == ((long)0xFFEDCBAAul));
  gn = 1; gr = ga << 1; CHECK(gr == ((long)0xFFDB9754ul)); gr = ga >> 1; CHECK(gr == ((long)0xFFF6E5D5ul)); gr = ga << gn; CHECK(gr == ((long)0xFFDB9754ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFF6E5D5ul)); lr = la; lr <<= 1; CHECK(lr == ((long)0xFFDB9754ul)); CHECK(shl_s32(la, gn) == ((long)0xFFDB9754ul)); CHECK(shr_s32(la, gn) == ((long)0xFFF6E5D5ul));
  gn = 4; gr = ga << 4; CHECK(gr == ((long)0xFEDCBAA0ul)); gr = ga >> 4; CHECK(gr == ((long)0xFFFEDCBAul)); gr = ga << gn; CHECK(gr == ((long)0xFEDCBAA0ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFEDCBAul)); lr = la; lr <<= 4; CHECK(lr == ((long)0xFEDCBAA0ul)); CHECK(shl_s32(la, gn) == ((long)0xFEDCBAA0ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFEDCBAul));
  gn = 7; gr = ga << 7; CHECK(gr == ((long)0xF6E5D500ul)); gr = ga >> 7; CHECK(gr == ((long)0xFFFFDB97ul)); gr = ga << gn; CHECK(gr == ((long)0xF6E5D500ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFDB97ul)); lr = la; lr <<= 7; CHECK(lr == ((long)0xF6E5D500ul)); CHECK(shl_s32(la, gn) == ((long)0xF6E5D500ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFDB97ul));
  gn = 8; gr = ga << 8; CHECK(gr == ((long)0xEDCBAA00ul)); gr = ga >> 8; CHECK(gr == ((long)0xFFFFEDCBul)); gr = ga << gn; CHECK(gr == ((long)0xEDCBAA00ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFEDCBul)); lr = la; lr <<= 8; CHECK(lr == ((long)0xEDCBAA00ul)); CHECK(shl_s32(la, gn) == ((long)0xEDCBAA00ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFEDCBul));
  gn = 9; gr = ga << 9; CHECK(gr == ((long)0xDB975400ul)); gr = ga >> 9; CHECK(gr == ((long)0xFFFFF6E5ul)); gr = ga << gn; CHECK(gr == ((long)0xDB975400ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFF6E5ul)); lr = la; lr <<= 9; CHECK(lr == ((long)0xDB975400ul)); CHECK(shl_s32(la, gn) == ((long)0xDB975400ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFF6E5ul));
  gn = 12; gr = ga << 12; CHECK(gr == ((long)0xDCBAA000ul)); gr = ga >> 12; CHECK(gr == ((long)0xFFFFFEDCul)); gr = ga << gn; CHECK(gr == ((long)0xDCBAA000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFEDCul)); lr = la; lr <<= 12; CHECK(lr == ((long)0xDCBAA000ul)); CHECK(shl_s32(la, gn) == ((long)0xDCBAA000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFEDCul));
  gn = 15; gr = ga << 15; CHECK(gr == ((long)0xE5D50000ul)); gr = ga >> 15; CHECK(gr == ((long)0xFFFFFFDBul)); gr = ga << gn; CHECK(gr == ((long)0xE5D50000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFDBul)); lr = la; lr <<= 15; CHECK(lr == ((long)0xE5D50000ul)); CHECK(shl_s32(la, gn) == ((long)0xE5D50000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFDBul));
  gn = 16; gr = ga << 16; CHECK(gr == ((long)0xCBAA0000ul)); gr = ga >> 16; CHECK(gr == ((long)0xFFFFFFEDul)); gr = ga << gn; CHECK(gr == ((long)0xCBAA0000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFEDul)); lr = la; lr <<= 16; CHECK(lr == ((long)0xCBAA0000ul)); CHECK(shl_s32(la, gn) == ((long)0xCBAA0000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFEDul));
  gn = 17; gr = ga << 17; CHECK(gr == ((long)0x97540000ul)); gr = ga >> 17; CHECK(gr == ((long)0xFFFFFFF6ul)); gr = ga << gn; CHECK(gr == ((long)0x97540000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFF6ul)); lr = la; lr <<= 17; CHECK(lr == ((long)0x97540000ul)); CHECK(shl_s32(la, gn) == ((long)0x97540000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFF6ul));
  gn = 20; gr = ga << 20; CHECK(gr == ((long)0xBAA00000ul)); gr = ga >> 20; CHECK(gr == ((long)0xFFFFFFFEul)); gr = ga << gn; CHECK(gr == ((long)0xBAA00000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFEul)); lr = la; lr <<= 20; CHECK(lr == ((long)0xBAA00000ul)); CHECK(shl_s32(la, gn) == ((long)0xBAA00000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFEul));
  gn = 23; gr = ga << 23; CHECK(gr == ((long)0xD5000000ul)); gr = ga >> 23; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xD5000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 23; CHECK(lr == ((long)0xD5000000ul)); CHECK(shl_s32(la, gn) == ((long)0xD5000000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 24; gr = ga << 24; CHECK(gr == ((long)0xAA000000ul)); gr = ga >> 24; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0xAA000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 24; CHECK(lr == ((long)0xAA000000ul)); CHECK(shl_s32(la, gn) == ((long)0xAA000000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 25; gr = ga << 25; CHECK(gr == ((long)0x54000000ul)); gr = ga >> 25; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0x54000000ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 25; CHECK(lr == ((long)0x54000000ul)); CHECK(shl_s32(la, gn) == ((long)0x54000000ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  gn = 31; gr = ga << 31; CHECK(gr == ((long)0x0ul)); gr = ga >> 31; CHECK(gr == ((long)0xFFFFFFFFul)); gr = ga << gn; CHECK(gr == ((long)0x0ul)); gr = ga; gr >>= gn; CHECK(gr == ((long)0xFFFFFFFFul)); lr = la; lr <<= 31; CHECK(lr == ((long)0x0ul)); CHECK(shl_s32(la, gn) == ((long)0x0ul)); CHECK(shr_s32(la, gn) == ((long)0xFFFFFFFFul));
  return CHECK_RESULT();
}
