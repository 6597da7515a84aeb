/* A loop with labels: BNZ back to a label above, BRA over an instruction to
   a label below. Each branch is a relocation to its label, and each label a
   symbol of the object. total ends as 5 * 3 = 15. */
#pragma udata access fast
near unsigned char count;
near unsigned char total;
#pragma udata

void main(void)
{
  _asm
    MOVLW 5
    MOVWF count, 0
    CLRF total, 0
  again:
    MOVLW 3
    ADDWF total, 1, 0
    DECF count, 1, 0
    BNZ again
    BRA done
    MOVLW 99
  done:
    MOVF total, 0, 0
  _endasm
}
