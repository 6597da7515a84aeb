// A check that fails: the harness must report the run as failed.
#include "check.h"

void main(void)
{
  _asm
    CHECK_FAIL_ASM
    CHECK_DONE_ASM
  _endasm
}
