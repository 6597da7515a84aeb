unsigned char count;
void f(void)
{
  _asm
    MOVLW 5
    MOVWF count, 0
  loop:
    DECFSZ count, 1, 0
    BRA loop
    BRA later
    MOVF TABLAT, 0, 0
    LFSR 0, 0x123
    ADDFSR 3, 4
    GOTO 0x100
    MOVFF PRODH, count
  _endasm
  _asm
  later:
    NOP
  _endasm
}
