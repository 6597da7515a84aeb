extern volatile near unsigned char PRODL;
unsigned char v;
near unsigned char n;

void first(void)
{
  _asm
    MOVF PRODL, 0, 0
    MOVWF PRODH, 0
    MOVFF FSR0H, v
    SETF TBLPTRU, 0
    CLRF TBLPTR + 2, 0
  _endasm
  goto done;
  _asm
    NOP
  done:
    RETURN 0
  _endasm
}

#pragma code other
void second(void)
{
  _asm
    CALL first, 0
    GOTO 0x1000
    LFSR 2, 0xABC
    BSF n, 3, 0
    SUBFSR 3, 5
  _endasm
}
#pragma code
void third(void)
{
  _asm
    INCF v, 1, 1
  _endasm
}
