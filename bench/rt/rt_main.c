/* The main of the image that rt_cost measures the run-time helpers in. */
void main(void)
{
  _asm
    MOVLW 0
  _endasm
}
