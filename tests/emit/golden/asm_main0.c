/* main made of in-line assembly ends with W = 0: the program halts with
   status 0 after the start-up code has called it. */
void main(void)
{
  _asm
    MOVLW 0
  _endasm
}
