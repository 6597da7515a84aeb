/* main ends with W = 3: the simulator reports it and exits with status 1. */
void main(void)
{
  _asm
    MOVLW 3
  _endasm
}
