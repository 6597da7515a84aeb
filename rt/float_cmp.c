// Floating-point comparisons. In: two IEEE single-precision operands a and
// b, four bytes each, little-endian, on the software stack (a first, FSR1
// just past b). Out: one byte, 1 when the relation holds and 0 otherwise, in
// place of a's first byte, FSR1 just past it. `__ltFP` tests a < b, `__gtFP`
// a > b, `__eqFP` a == b; every relation with a NaN is false and +0 equals
// -0. `__ltuFP` and `__gtuFP` are "less" and "greater" that are true when an
// operand is a NaN: their negations are "greater or equal" and "less or
// equal". The entry points name the relation in BSR (0 less, 1 greater, 2
// equal, plus 4 when a NaN makes it true) and share __cmpFP.
//
// Frame, FSR2-relative: [0] a, [4] b, [8] and [9] the caller's FSR2. A NaN
// has an exponent of 255 and a fraction that is not 0. Each other operand
// is turned in place into a signed 32-bit key (its magnitude, negated when
// its sign bit is set, so both zeros give 0), and the keys compare as
// signed integers: the difference's N xor OV is the signed "less".

void __cmpFP(void);

void __ltFP(void)
{
  _asm
    MOVLB   0
    BRA     __cmpFP
  _endasm
}

void __gtFP(void)
{
  _asm
    MOVLB   1
    BRA     __cmpFP
  _endasm
}

void __eqFP(void)
{
  _asm
    MOVLB   2
    BRA     __cmpFP
  _endasm
}

void __ltuFP(void)
{
  _asm
    MOVLB   4
    BRA     __cmpFP
  _endasm
}

void __gtuFP(void)
{
  _asm
    MOVLB   5
    BRA     __cmpFP
  _endasm
}

void __cmpFP(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 10                       // [0] is a's first byte
    RLCF    2, 0, 0                     // a: exponent of 255?
    RLCF    3, 0, 0
    XORLW   0xFF
    BNZ     a_key
    MOVF    2, 0, 0                     // and a fraction: NaN
    ANDLW   0x7F
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    BNZ     unordered
  a_key:
    BTFSS   3, 7, 0
    BRA     b_nan
    BCF     3, 7, 0                     // negative: the key is -magnitude
    COMF    3, 1, 0
    COMF    2, 1, 0
    COMF    1, 1, 0
    NEGF    0, 0
    MOVLW   0
    ADDWFC  1, 1, 0
    ADDWFC  2, 1, 0
    ADDWFC  3, 1, 0
  b_nan:
    RLCF    6, 0, 0                     // b: the same
    RLCF    7, 0, 0
    XORLW   0xFF
    BNZ     b_key
    MOVF    6, 0, 0
    ANDLW   0x7F
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    BNZ     unordered
  b_key:
    BTFSS   7, 7, 0
    BRA     relation
    BCF     7, 7, 0
    COMF    7, 1, 0
    COMF    6, 1, 0
    COMF    5, 1, 0
    NEGF    4, 0
    MOVLW   0
    ADDWFC  5, 1, 0
    ADDWFC  6, 1, 0
    ADDWFC  7, 1, 0
  relation:
    BTFSC   BSR, 1, 0
    BRA     equal
    BTFSC   BSR, 0, 0
    BRA     greater
    MOVF    4, 0, 0                     // a - b
    SUBWF   0, 0, 0
    MOVF    5, 0, 0
    SUBWFB  1, 0, 0
    MOVF    6, 0, 0
    SUBWFB  2, 0, 0
    MOVF    7, 0, 0
    SUBWFB  3, 0, 0
    BRA     sign
  greater:
    MOVF    0, 0, 0                     // b - a
    SUBWF   4, 0, 0
    MOVF    1, 0, 0
    SUBWFB  5, 0, 0
    MOVF    2, 0, 0
    SUBWFB  6, 0, 0
    MOVF    3, 0, 0
    SUBWFB  7, 0, 0
  sign:
    BOV     overflow
    BN      true
    BRA     false
  overflow:
    BNN     true
    BRA     false
  equal:
    MOVF    4, 0, 0
    XORWF   0, 1, 0
    MOVF    5, 0, 0
    XORWF   1, 1, 0
    MOVF    6, 0, 0
    XORWF   2, 1, 0
    MOVF    7, 0, 0
    XORWF   3, 0, 0
    IORWF   2, 0, 0
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    BNZ     false
    BRA     true
  unordered:
    BTFSS   BSR, 2, 0
    BRA     false
  true:
    MOVLW   1
    BRA     result
  false:
    MOVLW   0
  result:
    MOVWF   0, 0                        // the truth value over a's first byte
    SUBFSR  1, 1                        // back to the saved frame pointer
    MOVFF   POSTDEC1, FSR2H
    MOVFF   INDF1, FSR2L
    SUBFSR  1, 7                        // FSR1 just past the result
  _endasm
}
