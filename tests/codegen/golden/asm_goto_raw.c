void f(void)
{
  goto later;
  _asm
  back:
    NOP
  _endasm
later:
  goto back;
}
