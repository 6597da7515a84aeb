unsigned char c;
void f(void)
{
  _asm
  loop:
    MOVLW 3*4+1
    MOVWF c+1, 0
    ADDLW (char)(5+3)
    MOVWF x-2
    movlw -1
    ANDLW ~0x0F & 0xFF
    MOVLW 7/2 + (-7)%3 + (1<<4) + (-16>>2) + (3>2) + (2<=1) + (1&&0) + (0||2) + !0
    NOP
    BRA loop
  _endasm
  c = 1;
}
