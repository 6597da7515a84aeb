// Binary search over a sorted table of 40 unsigned longs in rom, with int
// indexes and halving by shifts: exact hits at both ends and inside, and the
// insertion point of values between entries. Table and answers computed on a
// PC.
#include "check.h"

rom unsigned long sorted[40] = {
  0x00000000ul, 0x03E0A813ul, 0x10C67FD9ul, 0x21636369ul, 0x268ECC45ul,
  0x26D0B944ul, 0x31162427ul, 0x3B5F3D86ul, 0x3BFD1D33ul, 0x3CEB3FFDul,
  0x42650644ul, 0x5EB561A4ul, 0x63D2E490ul, 0x65AA9C82ul, 0x781F9C58ul,
  0x78633074ul, 0x795B929Eul, 0x79F248B0ul, 0x85EF3430ul, 0x8A7D43B5ul,
  0x8B529B4Aul, 0x8CB4A0D7ul, 0x8D0038ECul, 0x94B2B8FDul, 0x97B75092ul,
  0x9A9A80FDul, 0x9B08923Dul, 0xA02F34A6ul, 0xA2863A7Ful, 0xA399F82Aul,
  0xB7970386ul, 0xBDC2AE99ul, 0xD6225675ul, 0xD6645FA9ul, 0xDC6BF1E1ul,
  0xDE383784ul, 0xE8A8529Ful, 0xEA7B5BF5ul, 0xED038DB4ul, 0xFFFFFFFFul,
};
unsigned long probes[] = {0x00000000ul, 0xFFFFFFFFul, 0x79F248B0ul, 0x85EF342Ful, 0x26D0B945ul, 0x80000000ul};
unsigned char places[] = {0, 39, 17, 18, 6, 18};
unsigned char found[] = {1, 1, 1, 0, 0, 0};

static int lower_bound(unsigned long v)
{
  int lo = 0, hi = sizeof sorted / sizeof sorted[0];
  while (lo < hi) {
    int mid = (unsigned int)(lo + hi) >> 1;
    if (sorted[mid] < v)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof probes / sizeof probes[0]; i++) {
    int at = lower_bound(probes[i]);
    CHECK(at == places[i]);
    CHECK((at < (int)(sizeof sorted / sizeof sorted[0]) && sorted[at] == probes[i]) == found[i]);
  }
  return CHECK_RESULT();
}
