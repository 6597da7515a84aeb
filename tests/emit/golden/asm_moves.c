/* Two-word instructions with symbols: MOVFF (relocations 15 and 16), LFSR
   (17 and 18), MOVSF (16 on its second word) and MOVSS (literals only). */
unsigned char src = 0x5A;
unsigned char dst;
unsigned char dst2;
unsigned char buf[4];

void main(void)
{
  _asm
    MOVFF src, dst
    LFSR 0, buf
    MOVLW 7
    MOVWF INDF0, 0
    LFSR 2, buf
    MOVSS 0, 2
    MOVSF 0, dst2
    MOVFF dst, WREG
  _endasm
}
