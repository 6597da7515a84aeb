// Powers of two. In: one byte n on the software stack (FSR1 just past it).
// Out: the 16-bit value 2 to the power n, little-endian, in place of n and
// one byte beyond, FSR1 just past it; 0 when n is 16 or more. The code
// generator may use it to turn a shift by a variable count into a
// multiplication.

void __pow2x16(void)
{
  _asm
    SUBFSR  1, 1                        // FSR1 on n
    CLRF    PRODL, 0
    CLRF    PRODH, 0
    MOVLW   0xF0
    ANDWF   INDF1, 0, 0
    BNZ     store                       // n above 15: 0
    MOVLW   1                           // 1 << (n & 7): 1 or 4,
    BTFSC   INDF1, 1, 0
    MOVLW   4
    BTFSC   INDF1, 0, 0
    RLNCF   WREG, 0, 0                  // times 2,
    BTFSC   INDF1, 2, 0
    SWAPF   WREG, 0, 0                  // times 16,
    BTFSS   INDF1, 3, 0                 // in the low byte for n below 8
    MOVWF   PRODL, 0
    BTFSC   INDF1, 3, 0
    MOVWF   PRODH, 0
  store:
    MOVFF   PRODL, POSTINC1
    MOVFF   PRODH, POSTINC1
  _endasm
}
