unsigned char v;
void f(void)
{
  _asm
    WORD2 5
    MOVLW v
    MOVWF v
    ADDLW 1, 2
    CALL f, v
    ADDFSR v, 1
    BTFSC v, v, 0
    MOVSS v, 2
    NOP
  _endasm
  _asm
    MOVWF v, 0
  _endasm
}
