/* Calls between in-line assembly functions in different code sections: a
   CALL (two words, relocations 1 and 14) and an RCALL (relocation 19) to a
   function in another section, and a CALL within the section, which is the
   default code section again. hits ends as 1 + 1 + 2 = 4. */
#pragma udata access fast
near unsigned char hits;
#pragma udata

#pragma code helpers
void helper(void)
{
  _asm
    INCF hits, 1, 0
  _endasm
}

#pragma code
void twice(void)
{
  _asm
    INCF hits, 1, 0
    INCF hits, 1, 0
  _endasm
}

void main(void)
{
  _asm
    CLRF hits, 0
    CALL helper, 0
    RCALL helper
    CALL twice, 0
    MOVF hits, 0, 0
  _endasm
}
