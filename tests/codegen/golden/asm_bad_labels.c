void f(void)
{
  _asm
  top:
    BRA nowhere
    BRA top
  _endasm
}
void g(void)
{
  _asm
  again:
    BRA top
  again:
    NOP
  _endasm
}
