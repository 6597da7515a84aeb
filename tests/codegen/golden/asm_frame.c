void f(unsigned char a)
{
  _asm
    NOP
  _endasm
}
