// Floating-point arithmetic: __addFP, __subFP, __mulFP, __divFP. In: two IEEE
// single-precision operands a and b, four bytes each, little-endian, on the
// software stack (a first, FSR1 just past b). Out: a + b, a - b, a * b or
// a / b, rounded to nearest (ties to even), in place of a, FSR1 just past
// it. Subnormal operands and results are handled; a NaN operand or an
// invalid operation (inf - inf, 0 * inf, 0 / 0, inf / inf) gives the quiet
// NaN 0x7FC00000.
//
// Frame, FSR2-relative, shared by all four: [0] a, [4] b, [8] and [9] the
// caller's FSR2, then nine scratch bytes that FSR1 is moved over: [10] the
// result's sign (bit 7), [11] and [12] its exponent e (16 bits, signed),
// [13] to [16] a product or quotient, [17] and [18] the operands' biased
// exponents. Each operation leaves a significand m in [0] to [3] with the
// value m * 2^(e - 157) and branches to __packFP, which normalises m to a
// leading 1 in bit 30, rounds bits 6..0 away (bit 0 sticky), and packs; or
// it writes a special result through __nanFP, __infFP or __zeroFP. All end
// in __doneFP, which restores FSR2 and leaves FSR1 just past the result.

void __packFP(void);
void __doneFP(void);
void __nanFP(void);
void __infFP(void);
void __zeroFP(void);
void __addFP(void);

void __subFP(void)
{
  _asm
    MOVLW   0xFF                        // b's sign, in the byte below FSR1
    BTG     PLUSW1, 7, 0
    BRA     __addFP
  _endasm
}

// The operand of larger magnitude becomes a; the other is aligned to it by
// a right shift whose lost bits are kept as a sticky bit, then added or
// subtracted. a - a is +0.
void __addFP(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 10                       // [0] is a's first byte
    ADDFSR  1, 9                        // the scratch bytes
    RLCF    2, 0, 0                     // the biased exponents
    RLCF    3, 0, 0
    MOVWF   17, 0
    RLCF    6, 0, 0
    RLCF    7, 0, 0
    MOVWF   18, 0
    INCF    17, 0, 0                    // a NaN operand
    BNZ     a_num
    MOVF    2, 0, 0
    ANDLW   0x7F
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    BNZ     nan
  a_num:
    INCF    18, 0, 0
    BNZ     b_num
    MOVF    6, 0, 0
    ANDLW   0x7F
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    BNZ     nan
  b_num:
    MOVF    7, 0, 0                     // |a| - |b|
    ANDLW   0x7F
    MOVWF   10, 0
    MOVF    4, 0, 0
    SUBWF   0, 0, 0
    MOVF    5, 0, 0
    SUBWFB  1, 0, 0
    MOVF    6, 0, 0
    SUBWFB  2, 0, 0
    MOVF    3, 0, 0
    ANDLW   0x7F
    SUBFWB  10, 0, 0
    BC      ordered
    MOVF    0, 0, 0                     // |a| < |b|: exchange them
    XORWF   4, 0, 0
    XORWF   0, 1, 0
    XORWF   4, 1, 0
    MOVF    1, 0, 0
    XORWF   5, 0, 0
    XORWF   1, 1, 0
    XORWF   5, 1, 0
    MOVF    2, 0, 0
    XORWF   6, 0, 0
    XORWF   2, 1, 0
    XORWF   6, 1, 0
    MOVF    3, 0, 0
    XORWF   7, 0, 0
    XORWF   3, 1, 0
    XORWF   7, 1, 0
    MOVF    17, 0, 0
    XORWF   18, 0, 0
    XORWF   17, 1, 0
    XORWF   18, 1, 0
  ordered:
    INCF    17, 0, 0
    BNZ     a_finite
    INCF    18, 0, 0                    // a infinite: so is the sum, unless
    BNZ     done                        // b is the opposite infinity
    MOVF    3, 0, 0
    XORWF   7, 0, 0
    BN      nan
  done:
    BRA     __doneFP
  nan:
    BRA     __nanFP
  a_finite:
    MOVF    6, 0, 0                     // b zero: a, or for two zeros the
    ANDLW   0x7F                        // AND of their signs
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    IORWF   18, 0, 0
    BNZ     b_nonzero
    MOVF    3, 0, 0
    ANDLW   0x7F
    IORWF   2, 0, 0
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    BNZ     done
    MOVF    7, 0, 0
    ANDWF   3, 1, 0
    BRA     done
  b_nonzero:
    MOVF    3, 0, 0
    ANDLW   0x80
    MOVWF   10, 0                       // the sign of a
    XORWF   7, 0, 0
    MOVWF   13, 0                       // bit 7: subtract
    CLRF    14, 0                       // the sticky byte
    BSF     2, 7, 0                     // a's significand, 1 in bit 30
    MOVF    17, 1, 0
    BNZ     a_normal
    BCF     2, 7, 0                     // subnormal: exponent 1, no hidden bit
    INCF    17, 1, 0
  a_normal:
    MOVF    2, 0, 0
    MOVWF   3, 0
    MOVF    1, 0, 0
    MOVWF   2, 0
    MOVF    0, 0, 0
    MOVWF   1, 0
    CLRF    0, 0
    BCF     STATUS, 0, 0
    RRCF    3, 1, 0
    RRCF    2, 1, 0
    RRCF    1, 1, 0
    RRCF    0, 1, 0
    BSF     6, 7, 0                     // b's the same
    MOVF    18, 1, 0
    BNZ     b_normal
    BCF     6, 7, 0
    INCF    18, 1, 0
  b_normal:
    MOVF    6, 0, 0
    MOVWF   7, 0
    MOVF    5, 0, 0
    MOVWF   6, 0
    MOVF    4, 0, 0
    MOVWF   5, 0
    CLRF    4, 0
    BCF     STATUS, 0, 0
    RRCF    7, 1, 0
    RRCF    6, 1, 0
    RRCF    5, 1, 0
    RRCF    4, 1, 0
    MOVF    17, 0, 0                    // e is a's exponent
    MOVWF   11, 0
    CLRF    12, 0
    MOVF    18, 0, 0                    // b moves right by the difference
    SUBWF   17, 0, 0
    MOVWF   PRODL, 0
    MOVLW   31
    CPFSLT  PRODL, 0
    BRA     beyond
  align_bytes:
    MOVLW   8
    CPFSLT  PRODL, 0
    BRA     align_byte
  align_bits:
    MOVF    PRODL, 1, 0
    BZ      aligned
    BCF     STATUS, 0, 0
    RRCF    7, 1, 0
    RRCF    6, 1, 0
    RRCF    5, 1, 0
    RRCF    4, 1, 0
    BTFSC   STATUS, 0, 0
    BSF     14, 0, 0
    DECF    PRODL, 1, 0
    BRA     align_bits
  align_byte:
    SUBWF   PRODL, 1, 0
    MOVF    4, 0, 0
    IORWF   14, 1, 0
    MOVF    5, 0, 0
    MOVWF   4, 0
    MOVF    6, 0, 0
    MOVWF   5, 0
    MOVF    7, 0, 0
    MOVWF   6, 0
    CLRF    7, 0
    BRA     align_bytes
  beyond:
    CLRF    7, 0                        // b is below a's last round bit
    CLRF    6, 0
    CLRF    5, 0
    CLRF    4, 0
    BSF     14, 0, 0
  aligned:
    MOVF    14, 1, 0
    BTFSS   STATUS, 2, 0
    BSF     4, 0, 0                     // the sticky bit
    BTFSC   13, 7, 0
    BRA     subtract
    MOVF    4, 0, 0
    ADDWF   0, 1, 0
    MOVF    5, 0, 0
    ADDWFC  1, 1, 0
    MOVF    6, 0, 0
    ADDWFC  2, 1, 0
    MOVF    7, 0, 0
    ADDWFC  3, 1, 0
    BRA     __packFP
  subtract:
    MOVF    4, 0, 0
    SUBWF   0, 1, 0
    MOVF    5, 0, 0
    SUBWFB  1, 1, 0
    MOVF    6, 0, 0
    SUBWFB  2, 1, 0
    MOVF    7, 0, 0
    SUBWFB  3, 1, 0
    MOVF    0, 0, 0
    IORWF   1, 0, 0
    IORWF   2, 0, 0
    IORWF   3, 0, 0
    BNZ     pack
    CLRF    10, 0                       // x - x is +0
    BRA     __zeroFP
  pack:
    BRA     __packFP
  _endasm
}

// Both significands get their hidden bit (a subnormal one is shifted up,
// lowering e); the 48-bit product is formed from the nine 8 x 8 products,
// its top 32 bits become m and its low 16 a sticky bit.
void __mulFP(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 10                       // [0] is a's first byte
    ADDFSR  1, 9                        // the scratch bytes
    MOVF    3, 0, 0
    XORWF   7, 0, 0
    ANDLW   0x80
    MOVWF   10, 0                       // the sign
    RLCF    2, 0, 0                     // the biased exponents
    RLCF    3, 0, 0
    MOVWF   17, 0
    RLCF    6, 0, 0
    RLCF    7, 0, 0
    MOVWF   18, 0
    INCF    17, 0, 0
    BNZ     a_finite
    MOVF    2, 0, 0                     // a NaN or infinite
    ANDLW   0x7F
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    BNZ     nan
    INCF    18, 0, 0
    BNZ     inf_times_b
    MOVF    6, 0, 0
    ANDLW   0x7F
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    BNZ     nan
    BRA     inf
  inf_times_b:
    MOVF    6, 0, 0
    ANDLW   0x7F
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    IORWF   18, 0, 0
    BZ      nan                         // inf * 0
    BRA     inf
  a_finite:
    INCF    18, 0, 0
    BNZ     b_finite
    MOVF    6, 0, 0                     // b NaN or infinite
    ANDLW   0x7F
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    BNZ     nan
    MOVF    2, 0, 0
    ANDLW   0x7F
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    IORWF   17, 0, 0
    BZ      nan                         // 0 * inf
    BRA     inf
  nan:
    BRA     __nanFP
  inf:
    BRA     __infFP
  zero:
    BRA     __zeroFP
  b_finite:
    MOVF    2, 0, 0
    ANDLW   0x7F
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    IORWF   17, 0, 0
    BZ      zero
    MOVF    6, 0, 0
    ANDLW   0x7F
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    IORWF   18, 0, 0
    BZ      zero
    BSF     2, 7, 0                     // the hidden bits
    MOVF    17, 1, 0
    BNZ     a_normal
    BCF     2, 7, 0
    INCF    17, 1, 0
  a_normal:
    BSF     6, 7, 0
    MOVF    18, 1, 0
    BNZ     b_normal
    BCF     6, 7, 0
    INCF    18, 1, 0
  b_normal:
    MOVF    17, 0, 0                    // e = ea + eb - 127
    ADDWF   18, 0, 0
    MOVWF   11, 0
    CLRF    12, 0
    RLCF    12, 1, 0
    MOVLW   127
    SUBWF   11, 1, 0
    MOVLW   0
    SUBWFB  12, 1, 0
  a_up:
    BTFSC   2, 7, 0
    BRA     b_up
    BCF     STATUS, 0, 0
    RLCF    0, 1, 0
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    DECF    11, 1, 0
    MOVLW   0
    SUBWFB  12, 1, 0
    BRA     a_up
  b_up:
    BTFSC   6, 7, 0
    BRA     product
    BCF     STATUS, 0, 0
    RLCF    4, 1, 0
    RLCF    5, 1, 0
    RLCF    6, 1, 0
    DECF    11, 1, 0
    MOVLW   0
    SUBWFB  12, 1, 0
    BRA     b_up
  product:                              // bytes p0 [3], p1 [7], p2..p5 [13]..[16]
    MOVF    2, 0, 0                     // a2 b2
    MULWF   6, 0
    MOVF    PRODL, 0, 0
    MOVWF   15, 0
    MOVF    PRODH, 0, 0
    MOVWF   16, 0
    MOVF    1, 0, 0                     // a1 b1
    MULWF   5, 0
    MOVF    PRODL, 0, 0
    MOVWF   13, 0
    MOVF    PRODH, 0, 0
    MOVWF   14, 0
    MOVF    0, 0, 0                     // a0 b0
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    MOVWF   3, 0
    MOVF    PRODH, 0, 0
    MOVWF   7, 0
    MOVF    0, 0, 0                     // a0 b1, at p1
    MULWF   5, 0
    MOVF    PRODL, 0, 0
    ADDWF   7, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  13, 1, 0
    MOVLW   0
    ADDWFC  14, 1, 0
    ADDWFC  15, 1, 0
    ADDWFC  16, 1, 0
    MOVF    1, 0, 0                     // a1 b0, at p1
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    ADDWF   7, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  13, 1, 0
    MOVLW   0
    ADDWFC  14, 1, 0
    ADDWFC  15, 1, 0
    ADDWFC  16, 1, 0
    MOVF    0, 0, 0                     // a0 b2, at p2
    MULWF   6, 0
    MOVF    PRODL, 0, 0
    ADDWF   13, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  14, 1, 0
    MOVLW   0
    ADDWFC  15, 1, 0
    ADDWFC  16, 1, 0
    MOVF    2, 0, 0                     // a2 b0, at p2
    MULWF   4, 0
    MOVF    PRODL, 0, 0
    ADDWF   13, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  14, 1, 0
    MOVLW   0
    ADDWFC  15, 1, 0
    ADDWFC  16, 1, 0
    MOVF    1, 0, 0                     // a1 b2, at p3
    MULWF   6, 0
    MOVF    PRODL, 0, 0
    ADDWF   14, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  15, 1, 0
    MOVLW   0
    ADDWFC  16, 1, 0
    MOVF    2, 0, 0                     // a2 b1, at p3
    MULWF   5, 0
    MOVF    PRODL, 0, 0
    ADDWF   14, 1, 0
    MOVF    PRODH, 0, 0
    ADDWFC  15, 1, 0
    MOVLW   0
    ADDWFC  16, 1, 0
    MOVF    3, 0, 0                     // m = p5..p2, sticky p1 p0
    IORWF   7, 0, 0
    BTFSS   STATUS, 2, 0
    BSF     13, 0, 0
    MOVF    13, 0, 0
    MOVWF   0, 0
    MOVF    14, 0, 0
    MOVWF   1, 0
    MOVF    15, 0, 0
    MOVWF   2, 0
    MOVF    16, 0, 0
    MOVWF   3, 0
    BRA     __packFP
  _endasm
}

// Both significands get their hidden bit, as for the product; then 32 steps
// of restoring division give the quotient's bits 31..0 (its leading 1 in bit
// 31 or 30), and a remainder that is not 0 sets the sticky bit.
void __divFP(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 10                       // [0] is a's first byte
    ADDFSR  1, 9                        // the scratch bytes
    MOVF    3, 0, 0
    XORWF   7, 0, 0
    ANDLW   0x80
    MOVWF   10, 0                       // the sign
    RLCF    2, 0, 0                     // the biased exponents
    RLCF    3, 0, 0
    MOVWF   17, 0
    RLCF    6, 0, 0
    RLCF    7, 0, 0
    MOVWF   18, 0
    INCF    17, 0, 0
    BNZ     a_finite
    MOVF    2, 0, 0                     // a NaN or infinite
    ANDLW   0x7F
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    BNZ     nan
    INCF    18, 0, 0                    // inf / inf, inf / NaN
    BZ      nan
    BRA     inf
  a_finite:
    INCF    18, 0, 0
    BNZ     b_finite
    MOVF    6, 0, 0                     // b NaN or infinite
    ANDLW   0x7F
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    BNZ     nan
    BRA     zero
  nan:
    BRA     __nanFP
  inf:
    BRA     __infFP
  zero:
    BRA     __zeroFP
  b_finite:
    MOVF    6, 0, 0
    ANDLW   0x7F
    IORWF   5, 0, 0
    IORWF   4, 0, 0
    IORWF   18, 0, 0
    BNZ     b_nonzero
    MOVF    2, 0, 0                     // x / 0
    ANDLW   0x7F
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    IORWF   17, 0, 0
    BZ      nan
    BRA     inf
  b_nonzero:
    MOVF    2, 0, 0
    ANDLW   0x7F
    IORWF   1, 0, 0
    IORWF   0, 0, 0
    IORWF   17, 0, 0
    BZ      zero
    BSF     2, 7, 0                     // the hidden bits
    MOVF    17, 1, 0
    BNZ     a_normal
    BCF     2, 7, 0
    INCF    17, 1, 0
  a_normal:
    BSF     6, 7, 0
    MOVF    18, 1, 0
    BNZ     b_normal
    BCF     6, 7, 0
    INCF    18, 1, 0
  b_normal:
    MOVF    18, 0, 0                    // e = ea - eb + 126
    SUBWF   17, 0, 0
    MOVWF   11, 0
    CLRF    12, 0
    BTFSS   STATUS, 0, 0
    SETF    12, 0
    MOVLW   126
    ADDWF   11, 1, 0
    MOVLW   0
    ADDWFC  12, 1, 0
  a_up:
    BTFSC   2, 7, 0
    BRA     b_up
    BCF     STATUS, 0, 0
    RLCF    0, 1, 0
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    DECF    11, 1, 0
    MOVLW   0
    SUBWFB  12, 1, 0
    BRA     a_up
  b_up:
    BTFSC   6, 7, 0
    BRA     divide
    BCF     STATUS, 0, 0
    RLCF    4, 1, 0
    RLCF    5, 1, 0
    RLCF    6, 1, 0
    INFSNZ  11, 1, 0
    INCF    12, 1, 0
    BRA     b_up
  divide:
    CLRF    3, 0                        // the remainder, 25 bits
    MOVLW   32
    MOVWF   PRODL, 0
  step:
    MOVF    4, 0, 0                     // remainder - divisor
    SUBWF   0, 1, 0
    MOVF    5, 0, 0
    SUBWFB  1, 1, 0
    MOVF    6, 0, 0
    SUBWFB  2, 1, 0
    MOVLW   0
    SUBWFB  3, 1, 0
    BC      bit                         // no borrow: quotient bit 1
    MOVF    4, 0, 0                     // borrow: restore, bit 0
    ADDWF   0, 1, 0
    MOVF    5, 0, 0
    ADDWFC  1, 1, 0
    MOVF    6, 0, 0
    ADDWFC  2, 1, 0
    MOVLW   0
    ADDWFC  3, 1, 0
    BCF     STATUS, 0, 0
  bit:
    RLCF    13, 1, 0
    RLCF    14, 1, 0
    RLCF    15, 1, 0
    RLCF    16, 1, 0
    BCF     STATUS, 0, 0
    RLCF    0, 1, 0
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    RLCF    3, 1, 0
    DECFSZ  PRODL, 1, 0
    BRA     step
    MOVF    0, 0, 0                     // m = quotient, sticky remainder
    IORWF   1, 0, 0
    IORWF   2, 0, 0
    IORWF   3, 0, 0
    BTFSS   STATUS, 2, 0
    BSF     13, 0, 0
    MOVF    13, 0, 0
    MOVWF   0, 0
    MOVF    14, 0, 0
    MOVWF   1, 0
    MOVF    15, 0, 0
    MOVWF   2, 0
    MOVF    16, 0, 0
    MOVWF   3, 0
    BRA     __packFP
  _endasm
}

// m (not 0) to a leading 1 in bit 30; e below 1 shifts m right (keeping a
// sticky bit) to exponent 1, for a subnormal; then round to nearest even on
// bits 6..0 and pack. A result without its hidden bit is subnormal (field
// 0); a carry out of the significand raises the exponent.
void __packFP(void)
{
  _asm
  top:
    BTFSS   3, 7, 0
    BRA     up
    BCF     STATUS, 0, 0                // down one bit
    RRCF    3, 1, 0
    RRCF    2, 1, 0
    RRCF    1, 1, 0
    RRCF    0, 1, 0
    BTFSC   STATUS, 0, 0
    BSF     0, 0, 0
    INFSNZ  11, 1, 0
    INCF    12, 1, 0
    BRA     range
  up:
    MOVF    3, 0, 0
    BNZ     up_bits
    MOVF    2, 0, 0                     // up a byte
    MOVWF   3, 0
    MOVF    1, 0, 0
    MOVWF   2, 0
    MOVF    0, 0, 0
    MOVWF   1, 0
    CLRF    0, 0
    MOVLW   8
    SUBWF   11, 1, 0
    MOVLW   0
    SUBWFB  12, 1, 0
    BRA     top                         // the byte may have bit 7 set
  up_bits:
    BTFSC   3, 6, 0
    BRA     range
    BCF     STATUS, 0, 0
    RLCF    0, 1, 0
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    RLCF    3, 1, 0
    DECF    11, 1, 0
    MOVLW   0
    SUBWFB  12, 1, 0
    BRA     up_bits
  range:
    MOVF    12, 0, 0
    BN      subnormal
    BNZ     inf
    MOVF    11, 0, 0
    BZ      subnormal
    INCF    11, 0, 0
    BZ      inf
    BRA     round
  inf:
    BRA     __infFP
  subnormal:
    MOVF    12, 0, 0                    // e from -32 to 0: shift; further
    BZ      down                        // down only the sticky bit stays
    INCF    12, 0, 0
    BNZ     tiny
    MOVLW   0xE0
    CPFSLT  11, 0
    BRA     down
  tiny:
    CLRF    3, 0
    CLRF    2, 0
    CLRF    1, 0
    CLRF    0, 0
    BSF     0, 0, 0
    MOVLW   1
    MOVWF   11, 0
    CLRF    12, 0
    BRA     round
  down:
    BCF     STATUS, 0, 0
    RRCF    3, 1, 0
    RRCF    2, 1, 0
    RRCF    1, 1, 0
    RRCF    0, 1, 0
    BTFSC   STATUS, 0, 0
    BSF     0, 0, 0
    INFSNZ  11, 1, 0
    INCF    12, 1, 0
    DECF    11, 0, 0
    IORWF   12, 0, 0
    BNZ     down
  round:
    BCF     STATUS, 0, 0                // the round bits to byte 0's bits 7..1
    RLCF    0, 1, 0
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    RLCF    3, 1, 0
    BTFSS   0, 7, 0                     // below half a unit: down
    BRA     pack
    MOVF    0, 0, 0
    ANDLW   0x7F
    BNZ     round_up                    // above half: up
    BTFSS   1, 0, 0                     // a tie: to even
    BRA     pack
  round_up:
    INCF    1, 1, 0
    MOVLW   0
    ADDWFC  2, 1, 0
    ADDWFC  3, 1, 0
    BNC     pack
    BSF     3, 7, 0                     // carried out: 1.0 times 2
    INCF    11, 1, 0
  pack:
    BTFSS   3, 7, 0                     // no hidden bit: exponent field 0
    CLRF    11, 0
    MOVF    1, 0, 0
    MOVWF   0, 0
    MOVF    2, 0, 0
    MOVWF   1, 0
    MOVF    3, 0, 0
    ANDLW   0x7F
    BTFSC   11, 0, 0
    IORLW   0x80
    MOVWF   2, 0
    BCF     STATUS, 0, 0
    RRCF    11, 0, 0
    IORWF   10, 0, 0
    MOVWF   3, 0
    BRA     __doneFP
  _endasm
}

void __nanFP(void)
{
  _asm
    CLRF    0, 0
    CLRF    1, 0
    MOVLW   0xC0
    MOVWF   2, 0
    MOVLW   0x7F
    MOVWF   3, 0
    BRA     __doneFP
  _endasm
}

void __infFP(void)
{
  _asm
    CLRF    0, 0
    CLRF    1, 0
    MOVLW   0x80
    MOVWF   2, 0
    MOVLW   0x7F
    IORWF   10, 0, 0
    MOVWF   3, 0
    BRA     __doneFP
  _endasm
}

void __zeroFP(void)
{
  _asm
    CLRF    0, 0
    CLRF    1, 0
    CLRF    2, 0
    MOVF    10, 0, 0
    MOVWF   3, 0
    BRA     __doneFP
  _endasm
}

void __doneFP(void)
{
  _asm
    SUBFSR  1, 10                       // back to the saved frame pointer
    MOVFF   POSTDEC1, FSR2H
    MOVFF   INDF1, FSR2L
    SUBFSR  1, 4                        // FSR1 just past the result
  _endasm
}
