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
  _endasm
  _asm
  later:
    NOP
  _endasm
}
void g(void)
{
  _asm
    MOVWF nothing, 0
    BRA loop
  _endasm
}
