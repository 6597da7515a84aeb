// unsigned short long with long: long holds every 24-bit unsigned value, so
// the operations are signed 32-bit. Results computed on a PC.
#define A unsigned short long
#define B long
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {0x7FFFFFul, 3, 8388610l, 8388604l, 25165821l, 2796202l, 1, 3, 8388604l, 0, 0, 0x800002ul},
  {0x800000ul, (-2147483647l - 1), -2139095040l, -2139095040l, 0, 0, 8388608l, 0, -2139095040l, 0, (-2147483647l - 1), 0x800000ul},
  {0xFFFFFFul, -65536l, 16711679l, 16842751l, 65536l, -255, 65535l, 16711680l, -16711681l, 0, -512, 0xFEFFFFul},
  {0x123456ul, 2147483647l, -2146290603l, -2146290601l, -1193046l, 0, 1193046l, 1193046l, 2146290601l, 3, 33554431l, 0x123455ul},
  {0xFF0000ul, 305419896l, 322131576l, -288708216l, 562561024l, 0, 16711680l, 3407872l, 315315832l, 3, 305419896l, 0x335678ul},
  {0x708BC5ul, -1866636826l, -1859261013l, 1874012639l, 176437246l, 0, 7375813l, 3146180l, -1865553373l, 0, -58332401l, 0x2DEDABul},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
