void f(void)
{
  _asm
    MOVLW y*2
    MOVLW 1/0
    MOVLW g(1)
    MOVLW "s"
  _endasm
}
