unsigned char v;
void f(void)
{
  _asm
    NOP
  _endasm
  v = 3;
}
