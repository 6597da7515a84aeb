// 32-bit division and remainder. In: two 4-byte operands on the software
// stack, dividend first, each little-endian (FSR1 just past the divisor). Out:
// the 4-byte quotient or remainder in place of the dividend, FSR1 just past
// it. The four entry points name the operation in BSR and share __divmod32:
// bit 0 selects the remainder, bit 1 signed operands; bit 2 is set while
// running when the result must be negated.
//
// Frame of __divmod32, FSR2-relative: [0] to [3] the dividend (which becomes the
// quotient), [4] to [7] the divisor, [8] and [9] the caller's FSR2, [10] to [13] the
// remainder; PRODL counts the steps. A divisor below 256 divides the
// dividend byte by byte from the top (each byte reached through PLUSW2, the
// byte's number in the first remainder byte), with an 8-bit remainder in
// PRODH. A wider divisor: shift and subtract, one quotient bit per step,
// after skipping whole zero bytes at the top of the dividend eight steps at
// a time. Signed operands are divided as magnitudes: the quotient is negative
// when the signs differ, the remainder takes the dividend's sign. A divisor of
// 0 gives a quotient with every bit of its magnitude set and the dividend as
// the remainder.

void __divmod32(void);

void __div32u(void)
{
  _asm
    MOVLB   0
    BRA     __divmod32
  _endasm
}

void __mod32u(void)
{
  _asm
    MOVLB   1
    BRA     __divmod32
  _endasm
}

void __div32s(void)
{
  _asm
    MOVLB   2
    BRA     __divmod32
  _endasm
}

void __mod32s(void)
{
  _asm
    MOVLB   3
    BRA     __divmod32
  _endasm
}

void __divmod32(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 10                       // [0] is the first operand byte
    ADDFSR  1, 4                        // the remainder: [10] to [13]
    BTFSC   BSR, 1, 0
    BRA     signs
  start:
    MOVF    5, 0, 0                     // a divisor below 256 divides byte by byte
    IORWF   6, 0, 0
    IORWF   7, 0, 0
    BZ      small
    CLRF    10, 0
    CLRF    11, 0
    CLRF    12, 0
    CLRF    13, 0
    MOVLW   32
    MOVWF   PRODL, 0                    // steps to go
  skip:
    MOVF    3, 1, 0                     // a zero top byte of the dividend takes
    BNZ     step                        // eight steps at once: it moves up a byte
    MOVF    2, 0, 0
    MOVWF   3, 0
    MOVF    1, 0, 0
    MOVWF   2, 0
    MOVF    0, 0, 0
    MOVWF   1, 0
    CLRF    0, 0
    MOVLW   8
    SUBWF   PRODL, 1, 0
    BCF     STATUS, 0, 0                // no stray quotient bit
    BNZ     skip
    BRA     result                      // the dividend was 0
  step:
    RLCF    0, 1, 0                     // quotient bit in, dividend bit out
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    RLCF    3, 1, 0
    RLCF    10, 1, 0                    // into the remainder
    RLCF    11, 1, 0
    RLCF    12, 1, 0
    RLCF    13, 1, 0
    BC      subtract                    // a remainder past 32 bits exceeds the divisor
    MOVF    4, 0, 0                     // remainder - divisor, for the carry only
    SUBWF   10, 0, 0
    MOVF    5, 0, 0
    SUBWFB  11, 0, 0
    MOVF    6, 0, 0
    SUBWFB  12, 0, 0
    MOVF    7, 0, 0
    SUBWFB  13, 0, 0
    BNC     next                        // below the divisor: quotient bit 0
  subtract:
    MOVF    4, 0, 0
    SUBWF   10, 1, 0
    MOVF    5, 0, 0
    SUBWFB  11, 1, 0
    MOVF    6, 0, 0
    SUBWFB  12, 1, 0
    MOVF    7, 0, 0
    SUBWFB  13, 1, 0
    BSF     STATUS, 0, 0                // quotient bit 1
  next:
    DECFSZ  PRODL, 1, 0
    BRA     step
    RLCF    0, 1, 0                     // the last quotient bit
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    RLCF    3, 1, 0
  result:
    BTFSS   BSR, 0, 0
    BRA     sign
    MOVF    10, 0, 0                    // the remainder is the result
    MOVWF   0, 0
    MOVF    11, 0, 0
    MOVWF   1, 0
    MOVF    12, 0, 0
    MOVWF   2, 0
    MOVF    13, 0, 0
    MOVWF   3, 0
  sign:
    BTFSS   BSR, 2, 0
    BRA     leave
    NEGF    0, 0                        // a negative result
    COMF    1, 1, 0
    COMF    2, 1, 0
    COMF    3, 1, 0
    MOVLW   0
    ADDWFC  1, 1, 0
    ADDWFC  2, 1, 0
    ADDWFC  3, 1, 0
  leave:
    SUBFSR  1, 5                        // back to the saved frame pointer
    MOVFF   POSTDEC1, FSR2H
    MOVFF   INDF1, FSR2L
    SUBFSR  1, 4                        // the result stays: FSR1 just past it
    RETURN  0
  small:
    MOVF    4, 0, 0                     // a divisor of 0 has its own result
    BZ      byzero
    CLRF    PRODH, 0                    // the remainder, below 256
    MOVLW   3
    MOVWF   10, 0                       // the dividend byte, from the top, through PLUSW2
  byte:
    MOVF    PRODH, 1, 0                 // remainder and byte 0: quotient byte 0
    BNZ     bits
    MOVF    10, 0, 0
    MOVF    PLUSW2, 1, 0
    BZ      nextbyte
  bits:
    CLRF    PRODL, 0
    BSF     PRODL, 3, 0                 // eight steps
  bit:
    MOVF    10, 0, 0
    RLCF    PLUSW2, 1, 0                // quotient bit in, dividend bit out
    RLCF    PRODH, 1, 0                 // into the remainder
    MOVF    4, 0, 0
    BC      over                        // past 8 bits: above the divisor
    CPFSLT  PRODH, 0                    // below the divisor: quotient bit 0 (C is 0)
    SUBWF   PRODH, 1, 0                 // else subtract; no borrow: quotient bit 1
  nextbit:
    DECFSZ  PRODL, 1, 0
    BRA     bit
    MOVF    10, 0, 0
    RLCF    PLUSW2, 1, 0                // the byte's last quotient bit
  nextbyte:
    DECF    10, 1, 0
    BNN     byte
    MOVF    PRODH, 0, 0
    MOVWF   10, 0
    CLRF    11, 0
    CLRF    12, 0
    CLRF    13, 0
    BRA     result
  over:
    SUBWF   PRODH, 1, 0
    BSF     STATUS, 0, 0                // quotient bit 1
    BRA     nextbit
  byzero:
    MOVF    0, 0, 0                     // remainder: the dividend
    MOVWF   10, 0
    MOVF    1, 0, 0
    MOVWF   11, 0
    MOVF    2, 0, 0
    MOVWF   12, 0
    MOVF    3, 0, 0
    MOVWF   13, 0
    SETF    0, 0                        // quotient: all ones
    SETF    1, 0
    SETF    2, 0
    SETF    3, 0
    BRA     result
  signs:
    BTFSS   3, 7, 0                     // a negative dividend:
    BRA     dividend
    NEGF    0, 0                        // take its magnitude,
    COMF    1, 1, 0
    COMF    2, 1, 0
    COMF    3, 1, 0
    MOVLW   0
    ADDWFC  1, 1, 0
    ADDWFC  2, 1, 0
    ADDWFC  3, 1, 0
    BSF     BSR, 2, 0                   // and the result is negative
  dividend:
    BTFSS   7, 7, 0                     // a negative divisor:
    BRA     start
    NEGF    4, 0                        // take its magnitude;
    COMF    5, 1, 0
    COMF    6, 1, 0
    COMF    7, 1, 0
    MOVLW   0
    ADDWFC  5, 1, 0
    ADDWFC  6, 1, 0
    ADDWFC  7, 1, 0
    BTFSS   BSR, 0, 0                   // it turns the quotient's sign
    BTG     BSR, 2, 0
    BRA     start
  _endasm
}
