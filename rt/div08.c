// 8-bit division and remainder. In: the dividend and the divisor, one byte
// each, on the software stack (FSR1 just past the divisor). Out: the quotient
// or remainder in place of the dividend, FSR1 just past it. The four entry
// points name the operation in BSR and share __divmod08: bit 0 selects the
// remainder, bit 1 signed operands; bit 2 is set while running when the
// result must be negated.
//
// No frame: the divisor is taken into W, FSR1 is left on the dividend, which
// becomes the quotient through INDF1, PRODH holds the remainder and PRODL
// counts the eight steps. Shift and subtract, one quotient bit per step.
// Signed operands are divided as magnitudes: the quotient is negative when the
// signs differ, the remainder takes the dividend's sign. A divisor of 0 gives
// a quotient with every bit of its magnitude set and the dividend as the
// remainder.

void __divmod08(void);

void __div08u(void)
{
  _asm
    MOVLB   0
    BRA     __divmod08
  _endasm
}

void __mod08u(void)
{
  _asm
    MOVLB   1
    BRA     __divmod08
  _endasm
}

void __div08s(void)
{
  _asm
    MOVLB   2
    BRA     __divmod08
  _endasm
}

void __mod08s(void)
{
  _asm
    MOVLB   3
    BRA     __divmod08
  _endasm
}

void __divmod08(void)
{
  _asm
    SUBFSR  1, 1
    MOVF    POSTDEC1, 0, 0              // W = divisor; FSR1 on the dividend
    BTFSC   BSR, 1, 0
    BRA     signs
  start:
    CLRF    PRODH, 0                    // the remainder
    CLRF    PRODL, 0
    BSF     PRODL, 3, 0                 // eight steps
  step:
    RLCF    INDF1, 1, 0                 // quotient bit in, dividend bit out
    RLCF    PRODH, 1, 0                 // into the remainder
    BC      over                        // past 8 bits: above the divisor
    CPFSLT  PRODH, 0                    // below the divisor: quotient bit 0 (C is 0)
    SUBWF   PRODH, 1, 0                 // else subtract; no borrow: quotient bit 1
  next:
    DECFSZ  PRODL, 1, 0
    BRA     step
    RLCF    INDF1, 1, 0                 // the last quotient bit
    BTFSC   BSR, 0, 0
    MOVFF   PRODH, INDF1                // the remainder is the result
    BTFSC   BSR, 2, 0
    NEGF    INDF1, 0                    // a negative result
    ADDFSR  1, 1                        // FSR1 just past the result
    RETURN  0
  over:
    SUBWF   PRODH, 1, 0
    BSF     STATUS, 0, 0                // quotient bit 1
    BRA     next
  signs:
    BTFSS   INDF1, 7, 0                 // a negative dividend:
    BRA     dividend
    NEGF    INDF1, 0                    // take its magnitude,
    BSF     BSR, 2, 0                   // and the result is negative
  dividend:
    BTFSS   WREG, 7, 0                  // a negative divisor:
    BRA     start
    NEGF    WREG, 0                     // take its magnitude;
    BTFSS   BSR, 0, 0                   // it turns the quotient's sign
    BTG     BSR, 2, 0
    BRA     start
  _endasm
}
