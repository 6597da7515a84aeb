// Multiplication, the low half of the product (the same bits for signed and
// unsigned operands). In: two operands of 2, 3 or 4 bytes on the software
// stack, each little-endian (FSR1 just past the second). Out: the product of
// the same width in place of the first operand, FSR1 just past it.
//
// Frame, FSR2-relative: [0] the first operand a, [n] the second b, [2n] and
// [2n+1] the caller's FSR2. The 8 x 8 products a[i] * b[j] with i + j < n are
// added column by column from the top; result byte k is written over a[k],
// whose last use is the first product of its column.

void __mul16(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 6                        // [0] is the first operand byte
    MOVF    1, 0, 0                     // a1 * b0
    MULWF   2, 0
    MOVF    PRODL, 0, 0
    MOVWF   1, 0                        // a1 is no longer needed
    MOVF    0, 0, 0                     // a0 * b1
    MULWF   3, 0
    MOVF    PRODL, 0, 0
    ADDWF   1, 1, 0
    MOVF    0, 0, 0                     // a0 * b0
    MULWF   2, 0
    MOVF    PRODL, 0, 0
    MOVWF   0, 0                        // a0 is no longer needed
    MOVF    PRODH, 0, 0
    ADDWF   1, 1, 0
    SUBFSR  1, 1                        // back to the saved frame pointer
    MOVFF   POSTDEC1, FSR2H
    MOVFF   INDF1, FSR2L
    SUBFSR  1, 2                        // the result stays: FSR1 just past it
  _endasm
}

void __mul24(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 8                        // [0] is the first operand byte
    MOVF    2, 0, 0                     // a2 * b0
    MULWF   3, 0
    MOVF    PRODL, 0, 0
    MOVWF   2, 0                        // a2 is no longer needed
    MOVF    1, 0, 0                     // a1 * b1
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    ADDWF   2, 1, 0
    MOVF    0, 0, 0                     // a0 * b2
    MULWF   5, 0
    MOVF    PRODL, 0, 0
    ADDWF   2, 1, 0
    MOVF    1, 0, 0                     // a1 * b0
    MULWF   3, 0
    MOVF    PRODL, 0, 0
    MOVWF   1, 0                        // a1 is no longer needed
    MOVF    PRODH, 0, 0
    ADDWF   2, 1, 0
    MOVF    0, 0, 0                     // a0 * b1
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    ADDWF   1, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  2, 1, 0
    MOVF    0, 0, 0                     // a0 * b0
    MULWF   3, 0
    MOVF    PRODL, 0, 0
    MOVWF   0, 0                        // a0 is no longer needed
    MOVF    PRODH, 0, 0
    ADDWF   1, 1, 0
    MOVLW   0
    ADDWFC  2, 1, 0
    SUBFSR  1, 1                        // back to the saved frame pointer
    MOVFF   POSTDEC1, FSR2H
    MOVFF   INDF1, FSR2L
    SUBFSR  1, 3                        // the result stays: FSR1 just past it
  _endasm
}

void __mul32(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 10                       // [0] is the first operand byte
    MOVF    3, 0, 0                     // a3 * b0
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    MOVWF   3, 0                        // a3 is no longer needed
    MOVF    2, 0, 0                     // a2 * b1
    MULWF   5, 0
    MOVF    PRODL, 0, 0
    ADDWF   3, 1, 0
    MOVF    1, 0, 0                     // a1 * b2
    MULWF   6, 0
    MOVF    PRODL, 0, 0
    ADDWF   3, 1, 0
    MOVF    0, 0, 0                     // a0 * b3
    MULWF   7, 0
    MOVF    PRODL, 0, 0
    ADDWF   3, 1, 0
    MOVF    2, 0, 0                     // a2 * b0
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    MOVWF   2, 0                        // a2 is no longer needed
    MOVF    PRODH, 0, 0
    ADDWF   3, 1, 0
    MOVF    1, 0, 0                     // a1 * b1
    MULWF   5, 0
    MOVF    PRODL, 0, 0
    ADDWF   2, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  3, 1, 0
    MOVF    0, 0, 0                     // a0 * b2
    MULWF   6, 0
    MOVF    PRODL, 0, 0
    ADDWF   2, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  3, 1, 0
    MOVF    1, 0, 0                     // a1 * b0
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    MOVWF   1, 0                        // a1 is no longer needed
    MOVF    PRODH, 0, 0
    ADDWF   2, 1, 0
    MOVLW   0
    ADDWFC  3, 1, 0
    MOVF    0, 0, 0                     // a0 * b1
    MULWF   5, 0
    MOVF    PRODL, 0, 0
    ADDWF   1, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  2, 1, 0
    MOVLW   0
    ADDWFC  3, 1, 0
    MOVF    0, 0, 0                     // a0 * b0
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    MOVWF   0, 0                        // a0 is no longer needed
    MOVF    PRODH, 0, 0
    ADDWF   1, 1, 0
    MOVLW   0
    ADDWFC  2, 1, 0
    ADDWFC  3, 1, 0
    SUBFSR  1, 1                        // back to the saved frame pointer
    MOVFF   POSTDEC1, FSR2H
    MOVFF   INDF1, FSR2L
    SUBFSR  1, 4                        // the result stays: FSR1 just past it
  _endasm
}
