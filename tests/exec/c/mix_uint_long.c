// unsigned int with long: long holds every unsigned int, so the operations are
// signed 32-bit (0xFFFF is 65535, never -1). Results computed on a PC.
#define A unsigned int
#define B long
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {0x7FFF, 3, 32770l, 32764, 98301l, 10922, 1, 3, 32764, 0, 0, 0x8002u},
  {0x8000u, (-2147483647l - 1), -2147450880l, -2147450880l, 0, 0, 32768l, 0, -2147450880l, 0, (-2147483647l - 1), 0x8000u},
  {0xFFFFu, -65536l, -1, 131071l, 65536l, 0, 65535l, 0, -1, 0, -512, 0xFFFFu},
  {0x1234, 2147483647l, -2147478989l, -2147478987l, -4660, 0, 4660, 4660, 2147478987l, 3, 134217727l, 0x1233},
  {0xFF00u, 305419896l, 305485176l, -305354616l, 572622848l, 0, 65280l, 22016, 305441144l, 3, 305419896l, 0x5578},
  {0xE44Eu, 181762321l, 181820767l, -181703875l, 1826490158l, 0, 58446l, 24576, 181771615l, 3, 2840036l, 0x5D5F},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
