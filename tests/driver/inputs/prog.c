unsigned char counter;

void main (void)
{
  _asm
    INCF counter, 1, 0
  _endasm
}
