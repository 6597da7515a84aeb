/* Random nested int expressions (seeded) over variables, parameters and
   constants, checked against a host model of 16-bit wrap-around arithmetic
   (division truncating toward zero, arithmetic right shifts; constants
   outside the char range, so that their type is int with or without
   integer promotion): operands that are themselves computed values
   exercise the temporaries, the inline and helper multiplications and the
   shifts by computed counts. */
#include "check.h"

int va, vb, vc, vd;

static void run(int va, int vb, int vc, int vd)
{
  int r;
  r = (~((-300) ^ (((256) - (16384)) & (vc + (4660)))));
  CHECK(r == -32469);
  r = ((~(((1000) / vb) | (-(256)))) + (-(((1000) >> 5) / va)));
  CHECK(r == 243);
  r = (~(-300));
  CHECK(r == 299);
  r = (-(1000));
  CHECK(r == -1000);
  r = ((-129) % ((((16384) & va) % (va | vc)) ^ ((vc - vb) % (-vd))));
  CHECK(r == -12);
  r = vc;
  CHECK(r == (-32767 - 1));
  r = ((-(-((1000) << 12))) << 12);
  CHECK(r == 0);
  r = ((((vc * va) * (va | (300))) + (~(~(-300)))) | ((~(vd << (vd & 15))) ^ ((vc & (256)) ^ ((-1000) & vc))));
  CHECK(r == -1);
  r = (((~((16384) >> 13)) | ((vb + vc) | (-(16384)))) + (((va & vc) << 4) | (((256) + (-129)) + (va << (vb & 15)))));
  CHECK(r == -16260);
  r = (16384);
  CHECK(r == 16384);
  r = ((16384) >> (vb & 15));
  CHECK(r == 2);
  r = ((((~vb) % ((-1000) * va)) - ((vb - va) % (va & vc))) * ((((16384) % vb) & (vb - (16384))) << (vc & 15)));
  CHECK(r == -16668);
  r = ((-((vd - vc) % va)) >> 12);
  CHECK(r == 0);
  r = (((-1000) / ((vb | va) << (va & 15))) * (((~(-1000)) % (vb ^ (-300))) | ((vb / va) ^ (256))));
  CHECK(r == 0);
  r = ((((vd / va) - (-1000)) * ((va + (256)) / (va + va))) ^ (((va % vc) | (vb * vc)) - (((16384) >> 9) << (vd & 15))));
  CHECK(r == -1234);
  r = ((16384) - ((-((16384) | vb)) & (((1000) - (-300)) + (va * va))));
  CHECK(r == 16112);
  r = ((((vb + va) >> (vd & 15)) | ((-(300)) * (vc >> (va & 15)))) | (-((vb % vc) >> 5)));
  CHECK(r == -1);
  r = (((((16384) >> 5) << (vb & 15)) + (((300) + va) << (vc & 15))) & (((-vc) + (1000)) ^ ((vd % (256)) << (vc & 15))));
  CHECK(r == -32704);
}

void main(void)
{
  int r;
  va = -1234; vb = 77; vc = -32767 - 1; vd = 300;
  r = (((~((16384) & (4660))) * (((16384) - vd) + vb)) / (((vc & vb) - (vc + (16384))) ^ ((vd / (256)) | (va & vd))));
  CHECK(r == 0);
  r = (((((256) >> (vb & 15)) % vd) | (((4660) - (32767)) << 2)) & (((~vc) << 12) << (va & 15)));
  CHECK(r == 0);
  r = ((-(-((4660) << 4))) << (va & 15));
  CHECK(r == 0);
  r = (~(((~vb) + (vc & (1000))) * ((vb & va) & (4660))));
  CHECK(r == 311);
  r = (~(((vb - (256)) * ((-1000) / va)) + ((-vc) ^ ((32767) + (300)))));
  CHECK(r == -300);
  r = ((32767) - (-(~(vd + (-300)))));
  CHECK(r == 32766);
  r = (vd | (((-va) >> (vd & 15)) / (-va)));
  CHECK(r == 300);
  r = (-(~((~(-300)) | va)));
  CHECK(r == -1232);
  r = (((~vc) / ((vb % vc) - (~vc))) / (~((vb << (va & 15)) << 5)));
  CHECK(r == 1);
  r = (~((~(vd * vc)) | ((va ^ vb) % va)));
  CHECK(r == 0);
  r = (((-(vc ^ (-300))) | (vd / ((-129) | va))) / (((vc - (256)) & (~(16384))) & ((va / (256)) ^ (vd & (1000)))));
  CHECK(r == 0);
  r = (-vb);
  CHECK(r == -77);
  r = (((((256) & vb) ^ ((-300) - (4660))) - (-129)) & ((((4660) >> (vb & 15)) - (vb | vc)) ^ (-1000)));
  CHECK(r == -32479);
  r = (vb << 8);
  CHECK(r == 19712);
  r = ((-((~vd) | (-vb))) - (vb << 7));
  CHECK(r == -9843);
  r = (-((vc / (-300)) * (((4660) * (16384)) | va)));
  CHECK(r == 3434);
  r = (((~vd) * ((vc + vd) * (va * (32767)))) >> (vb & 15));
  CHECK(r == -3);
  r = ((((-va) * (va * vd)) >> 5) * (((vc << (vb & 15)) * ((-300) + vd)) ^ ((va ^ va) + (vc | (-300)))));
  CHECK(r == 31144);
  run(va, vb, vc, vd);
}
