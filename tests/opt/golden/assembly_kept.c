unsigned char count;
void with_asm(void)
{
  count = 1;
  goto skip;
skip:
  _asm
  loop:
    DECFSZ count, 1, 0
    BRA loop
  _endasm
  if (count) count = 2; else count = 2;
}
void without_asm(void)
{
  count = 1;
  goto skip;
skip:
  if (count) count = 2; else count = 2;
}
