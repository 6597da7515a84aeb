/* Block entries take the addresses of their code: .bb the first line at or
   after the block's opening line, .eb the last one up to its closing line,
   each within the block's function. */
void main(void)
{
  _asm
    MOVLW 1
  _endasm
  {
    _asm
      MOVLW 2
    _endasm
  }
  _asm
    MOVLW 0
  _endasm
}
