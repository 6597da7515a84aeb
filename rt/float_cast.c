// Conversions between integers and IEEE single precision.
//
// __castNNsFP and __castNNuFP (NN = 08, 16, 24, 32). In: a signed or
// unsigned integer of NN bits, little-endian, on the software stack (FSR1
// just past it). Out: the float nearest to it (ties to even; only 32-bit
// values can need rounding), four bytes in its place, FSR1 just past them.
// The entry points widen the operand to 32 bits on the stack (zero or sign
// bytes) and name the signedness in BSR (1 signed) for __intFP.
//
// __castFPNN. In: a float on the stack. Out: its integer part (truncated
// toward zero) modulo 2 to the power NN, NN / 8 bytes in its place, so that
// every value of a signed or an unsigned NN-bit type converts exactly; NaN
// and the infinities give 0. The entry points put the result's byte count
// in BSR for __FPint.
//
// Frame of both bodies, FSR2-relative: [0] to [3] the value, [4] and [5]
// the caller's FSR2. PRODL holds the exponent or a shift count, PRODH the
// sign.

void __intFP(void);
void __FPint(void);

void __cast08uFP(void)
{
  _asm
    CLRF    POSTINC1, 0
    CLRF    POSTINC1, 0
    CLRF    POSTINC1, 0
    MOVLB   0
    BRA     __intFP
  _endasm
}

void __cast16uFP(void)
{
  _asm
    CLRF    POSTINC1, 0
    CLRF    POSTINC1, 0
    MOVLB   0
    BRA     __intFP
  _endasm
}

void __cast24uFP(void)
{
  _asm
    CLRF    POSTINC1, 0
    MOVLB   0
    BRA     __intFP
  _endasm
}

void __cast32uFP(void)
{
  _asm
    MOVLB   0
    BRA     __intFP
  _endasm
}

void __cast08sFP(void)
{
  _asm
    MOVLW   0xFF                        // the sign byte of the top byte
    BTFSS   PLUSW1, 7, 0
    MOVLW   0
    MOVWF   POSTINC1, 0
    MOVWF   POSTINC1, 0
    MOVWF   POSTINC1, 0
    MOVLB   1
    BRA     __intFP
  _endasm
}

void __cast16sFP(void)
{
  _asm
    MOVLW   0xFF
    BTFSS   PLUSW1, 7, 0
    MOVLW   0
    MOVWF   POSTINC1, 0
    MOVWF   POSTINC1, 0
    MOVLB   1
    BRA     __intFP
  _endasm
}

void __cast24sFP(void)
{
  _asm
    MOVLW   0xFF
    BTFSS   PLUSW1, 7, 0
    MOVLW   0
    MOVWF   POSTINC1, 0
    MOVLB   1
    BRA     __intFP
  _endasm
}

void __cast32sFP(void)
{
  _asm
    MOVLB   1
    BRA     __intFP
  _endasm
}

// The magnitude is shifted up until bit 31 is its leading 1 (whole bytes
// first), counting the exponent down from 158; bits 7..0 then lie below the
// fraction and decide the rounding.
void __intFP(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 6                        // [0] is the value's first byte
    CLRF    PRODH, 0                    // the sign
    BTFSS   BSR, 0, 0
    BRA     magnitude
    BTFSS   3, 7, 0
    BRA     magnitude
    BSF     PRODH, 7, 0                 // negative: the magnitude
    COMF    3, 1, 0
    COMF    2, 1, 0
    COMF    1, 1, 0
    NEGF    0, 0
    MOVLW   0
    ADDWFC  1, 1, 0
    ADDWFC  2, 1, 0
    ADDWFC  3, 1, 0
  magnitude:
    MOVLW   158
    MOVWF   PRODL, 0                    // the exponent of a leading 1 in bit 31
    MOVF    0, 0, 0
    IORWF   1, 0, 0
    IORWF   2, 0, 0
    IORWF   3, 0, 0
    BZ      done                        // 0 is +0
  bytes:
    MOVF    3, 0, 0
    BNZ     bits
    MOVF    2, 0, 0                     // up by a byte
    MOVWF   3, 0
    MOVF    1, 0, 0
    MOVWF   2, 0
    MOVF    0, 0, 0
    MOVWF   1, 0
    CLRF    0, 0
    MOVLW   8
    SUBWF   PRODL, 1, 0
    BRA     bytes
  bits:
    BTFSC   3, 7, 0
    BRA     round
    BCF     STATUS, 0, 0                // up by a bit
    RLCF    0, 1, 0
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    RLCF    3, 1, 0
    DECF    PRODL, 1, 0
    BRA     bits
  round:
    BTFSS   0, 7, 0                     // below half a unit: down
    BRA     pack
    MOVF    0, 0, 0
    ANDLW   0x7F
    BNZ     up                          // above half: up
    BTFSS   1, 0, 0                     // a tie: to even
    BRA     pack
  up:
    INCF    1, 1, 0
    MOVLW   0
    ADDWFC  2, 1, 0
    ADDWFC  3, 1, 0
    BNC     pack
    BSF     3, 7, 0                     // carried out: 1.0 times 2
    INCF    PRODL, 1, 0
  pack:
    MOVF    1, 0, 0                     // the fraction down a byte
    MOVWF   0, 0
    MOVF    2, 0, 0
    MOVWF   1, 0
    MOVF    3, 0, 0                     // the hidden bit gives way to the
    ANDLW   0x7F                        // exponent's low bit
    BTFSC   PRODL, 0, 0
    IORLW   0x80
    MOVWF   2, 0
    BCF     STATUS, 0, 0
    RRCF    PRODL, 0, 0
    IORWF   PRODH, 0, 0
    MOVWF   3, 0
  done:
    SUBFSR  1, 1                        // back to the saved frame pointer
    MOVFF   POSTDEC1, FSR2H
    MOVFF   INDF1, FSR2L                // FSR1 just past the result
  _endasm
}

void __castFP08(void)
{
  _asm
    MOVLB   1
    BRA     __FPint
  _endasm
}

void __castFP16(void)
{
  _asm
    MOVLB   2
    BRA     __FPint
  _endasm
}

void __castFP24(void)
{
  _asm
    MOVLB   3
    BRA     __FPint
  _endasm
}

void __castFP32(void)
{
  _asm
    MOVLB   4
    BRA     __FPint
  _endasm
}

// With t the unbiased exponent, the value is the 24-bit significand times 2
// to the power t - 23: a left shift for t from 23 to 54, a right shift for t
// from 0 to 22 (whole bytes first). Below 0 the integer part is 0; from 55
// up (the infinities and NaN included) its low 32 bits are 0.
void __FPint(void)
{
  _asm
    MOVFF   FSR2L, POSTINC1             // save the caller's frame pointer
    MOVFF   FSR2H, POSTINC1
    MOVFF   FSR1L, FSR2L
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 6                        // [0] is the float's first byte
    MOVF    3, 0, 0
    MOVWF   PRODH, 0                    // the sign in bit 7
    RLCF    2, 0, 0
    RLCF    3, 0, 0                     // W = biased exponent
    ADDLW   0x81                        // t = exponent - 127, C when t >= 0
    BNC     zero
    ADDLW   0xC9                        // t - 55, C when t >= 55
    BC      zero
    ADDLW   32                          // t - 23: the left shift
    MOVWF   PRODL, 0
    BSF     2, 7, 0                     // the hidden bit
    CLRF    3, 0
    BTFSC   PRODL, 7, 0
    BRA     right
  left_bytes:
    MOVLW   8
    CPFSLT  PRODL, 0
    BRA     left_byte
  left_bits:
    MOVF    PRODL, 1, 0
    BZ      sign
    BCF     STATUS, 0, 0
    RLCF    0, 1, 0
    RLCF    1, 1, 0
    RLCF    2, 1, 0
    RLCF    3, 1, 0
    DECF    PRODL, 1, 0
    BRA     left_bits
  left_byte:
    SUBWF   PRODL, 1, 0
    MOVF    2, 0, 0
    MOVWF   3, 0
    MOVF    1, 0, 0
    MOVWF   2, 0
    MOVF    0, 0, 0
    MOVWF   1, 0
    CLRF    0, 0
    BRA     left_bytes
  right:
    NEGF    PRODL, 0                    // the right shift, 1 to 23
  right_bytes:
    MOVLW   8
    CPFSLT  PRODL, 0
    BRA     right_byte
  right_bits:
    MOVF    PRODL, 1, 0
    BZ      sign
    BCF     STATUS, 0, 0
    RRCF    2, 1, 0
    RRCF    1, 1, 0
    RRCF    0, 1, 0
    DECF    PRODL, 1, 0
    BRA     right_bits
  right_byte:
    SUBWF   PRODL, 1, 0
    MOVF    1, 0, 0
    MOVWF   0, 0
    MOVF    2, 0, 0
    MOVWF   1, 0
    CLRF    2, 0
    BRA     right_bytes
  zero:
    CLRF    0, 0
    CLRF    1, 0
    CLRF    2, 0
    CLRF    3, 0
    BRA     done
  sign:
    BTFSS   PRODH, 7, 0
    BRA     done
    COMF    3, 1, 0                     // negative: two's complement
    COMF    2, 1, 0
    COMF    1, 1, 0
    NEGF    0, 0
    MOVLW   0
    ADDWFC  1, 1, 0
    ADDWFC  2, 1, 0
    ADDWFC  3, 1, 0
  done:
    MOVF    BSR, 0, 0                   // FSR1 just past the result's bytes:
    SUBLW   4                           // 4 - n below the float's end
    MOVWF   PRODL, 0
    SUBFSR  1, 1                        // back to the saved frame pointer
    MOVFF   POSTDEC1, FSR2H
    MOVFF   INDF1, FSR2L
  drop:
    MOVF    PRODL, 1, 0
    BZ      out
    MOVF    POSTDEC1, 1, 0              // a byte the result does not use
    DECF    PRODL, 1, 0
    BRA     drop
  out:
  _endasm
}
