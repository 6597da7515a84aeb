// Uninitialised statics hold 0 when main starts, even on a machine whose
// memory came up as 0xA5; an initialised one holds its value.
// exec-run: -f 0xA5
#include "check.h"

unsigned char one;
unsigned int two;
unsigned long four;
unsigned char block[300];
unsigned char seven = 7;

void main(void)
{
  _asm
    LFSR    0, one
    MOVF    INDF0, 0, 0
    BZ      one_ok
    CHECK_FAIL_ASM
  one_ok:
    LFSR    0, two
    MOVF    POSTINC0, 0, 0
    IORWF   INDF0, 0, 0
    BZ      two_ok
    CHECK_FAIL_ASM
  two_ok:
    LFSR    0, four
    MOVF    POSTINC0, 0, 0
    IORWF   POSTINC0, 0, 0
    IORWF   POSTINC0, 0, 0
    IORWF   INDF0, 0, 0
    BZ      four_ok
    CHECK_FAIL_ASM
  four_ok:
    LFSR    0, block
    CLRF    PRODH, 0
    CLRF    PRODL, 0
  first:
    MOVF    POSTINC0, 0, 0
    IORWF   PRODH, 1, 0
    DECFSZ  PRODL, 1, 0
    BRA     first
    MOVLW   44
    MOVWF   PRODL, 0
  rest:
    MOVF    POSTINC0, 0, 0
    IORWF   PRODH, 1, 0
    DECFSZ  PRODL, 1, 0
    BRA     rest
    MOVF    PRODH, 1, 0
    BZ      block_ok
    CHECK_FAIL_ASM
  block_ok:
    LFSR    0, seven
    MOVLW   7
    XORWF   INDF0, 0, 0
    BZ      seven_ok
    CHECK_FAIL_ASM
  seven_ok:
    CHECK_DONE_ASM
  _endasm
}
