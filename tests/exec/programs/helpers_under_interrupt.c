// A high-priority interrupt whose routine calls helpers itself arrives at
// different points of a loop of helper calls (one run per arrival time):
// the helpers keep everything they use below FSR1 or in the byte at FSR1,
// so both the interrupted helper and the routine's own get right results.
// The routine saves PROD (which the helpers change) above the byte at FSR1.
// exec-run: --irq-high 500
// exec-run: --irq-high 1234
// exec-run: --irq-high 2000
// exec-run: --irq-high 2718
// exec-run: --irq-high 3141
// exec-run: --irq-high 4321
// exec-run: --irq-high 5555
#include "check.h"

unsigned char rounds, main_bad, isr_bad, isr_ran;

void isr(void);

void isr(void)
{
  _asm
    MOVFF   PRODL, PREINC1          // above the interrupted code's byte at FSR1
    MOVFF   PRODH, PREINC1
    MOVF    POSTINC1, 1, 0          // FSR1 on the next free byte again
    MOVLW   0xD0
    MOVWF   POSTINC1, 0
    MOVLW   0x8A
    MOVWF   POSTINC1, 0
    MOVLW   0x07
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    CALL    __div16s, 0
    CLRF    PRODH, 0
    SUBFSR  1, 2
    MOVLW   0x43
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xEF
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 2
    MOVF    PRODH, 0, 0
    MOVLB   isr_bad
    IORWF   isr_bad, 1, 1
    MOVLW   0xC8
    MOVWF   POSTINC1, 0
    MOVLW   0x07
    MOVWF   POSTINC1, 0
    CALL    __div08u, 0
    CLRF    PRODH, 0
    SUBFSR  1, 1
    MOVLW   0x1C
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 1
    MOVF    PRODH, 0, 0
    MOVLB   isr_bad
    IORWF   isr_bad, 1, 1
    MOVLW   0x45
    MOVWF   POSTINC1, 0
    MOVLW   0x23
    MOVWF   POSTINC1, 0
    MOVLW   0x01
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x78
    MOVWF   POSTINC1, 0
    MOVLW   0x06
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    CALL    __mul32, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0x58
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x26
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x5C
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x07
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
    MOVF    PRODH, 0, 0
    MOVLB   isr_bad
    IORWF   isr_bad, 1, 1
    INCF    isr_ran, 1, 1
    MOVF    POSTDEC1, 1, 0
    MOVFF   POSTDEC1, PRODH
    MOVFF   POSTDEC1, PRODL
    RETFIE  1
  _endasm
}

void main(void)
{
  _asm
    BSF     0xF2, 7, 0              // high-priority interrupts on
    MOVLB   rounds
    MOVLW   200
    MOVWF   rounds, 1
  round:
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x28
    MOVWF   POSTINC1, 0
    MOVLW   0x6B
    MOVWF   POSTINC1, 0
    MOVLW   0xEE
    MOVWF   POSTINC1, 0
    MOVLW   0x39
    MOVWF   POSTINC1, 0
    MOVLW   0x30
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    CALL    __div32u, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0xB1
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xF1
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x04
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x00
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
    MOVF    PRODH, 0, 0
    MOVLB   main_bad
    IORWF   main_bad, 1, 1
    MOVLW   0x2E
    MOVWF   POSTINC1, 0
    MOVLW   0xFB
    MOVWF   POSTINC1, 0
    MOVLW   0x0A
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    CALL    __mod16s, 0
    CLRF    PRODH, 0
    SUBFSR  1, 2
    MOVLW   0xFC
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xFF
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 2
    MOVF    PRODH, 0, 0
    MOVLB   main_bad
    IORWF   main_bad, 1, 1
    MOVLW   0x9C
    MOVWF   POSTINC1, 0
    MOVLW   0x07
    MOVWF   POSTINC1, 0
    CALL    __div08s, 0
    CLRF    PRODH, 0
    SUBFSR  1, 1
    MOVLW   0xF2
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 1
    MOVF    PRODH, 0, 0
    MOVLB   main_bad
    IORWF   main_bad, 1, 1
    MOVLB   rounds
    DECFSZ  rounds, 1, 1
    BRA     round
    MOVLB   main_bad
    MOVF    main_bad, 1, 1
    BZ      main_ok
    CHECK_FAIL_ASM
  main_ok:
    MOVLB   isr_ran
    DECF    isr_ran, 0, 1           // exactly one interrupt
    IORWF   isr_bad, 0, 1
    BZ      isr_ok
    CHECK_FAIL_ASM
  isr_ok:
    CHECK_DONE_ASM
  _endasm
}

// Last in the file: the interrupt vector.
#pragma code high_vector = 0x08
void high_vector(void)
{
  _asm
    GOTO    isr
  _endasm
}
