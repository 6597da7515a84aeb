// A high-priority interrupt whose routine calls floating-point helpers
// itself arrives at different points of a loop of floating-point helper
// calls (one run per arrival time): the helpers keep everything they use
// below FSR1 or in the byte at FSR1, so both the interrupted helper and the
// routine's own get right results. The routine saves PROD (which the
// helpers change) above the byte at FSR1; RETFIE 1 restores W, STATUS and
// BSR, which the helpers change too (BSR carries the operation from an
// entry point to its shared body).
// exec-run: --irq-high 300
// exec-run: --irq-high 777
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
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x80
    MOVWF   POSTINC1, 0
    MOVLW   0x3F
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0xE0
    MOVWF   POSTINC1, 0
    MOVLW   0x40
    MOVWF   POSTINC1, 0
    CALL    __divFP, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0x25
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x49
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x12
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x3E
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
    MOVF    PRODH, 0, 0
    MOVLB   isr_bad
    IORWF   isr_bad, 1, 1
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x20
    MOVWF   POSTINC1, 0
    MOVLW   0x40
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x3E
    MOVWF   POSTINC1, 0
    CALL    __addFP, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0x00
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x00
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x28
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x40
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
    MOVF    PRODH, 0, 0
    MOVLB   isr_bad
    IORWF   isr_bad, 1, 1
    MOVLW   0xCD
    MOVWF   POSTINC1, 0
    MOVLW   0x5C
    MOVWF   POSTINC1, 0
    MOVLW   0x9A
    MOVWF   POSTINC1, 0
    MOVLW   0xC4
    MOVWF   POSTINC1, 0
    CALL    __castFP16, 0
    CLRF    PRODH, 0
    SUBFSR  1, 2
    MOVLW   0x2E
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xFB
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 2
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
    MOVLW   20
    MOVWF   rounds, 1
  round:
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x20
    MOVWF   POSTINC1, 0
    MOVLW   0x41
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x40
    MOVWF   POSTINC1, 0
    MOVLW   0x40
    MOVWF   POSTINC1, 0
    CALL    __divFP, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0x55
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x55
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x55
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x40
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
    MOVF    PRODH, 0, 0
    MOVLB   main_bad
    IORWF   main_bad, 1, 1
    MOVLW   0xCD
    MOVWF   POSTINC1, 0
    MOVLW   0xCC
    MOVWF   POSTINC1, 0
    MOVLW   0x8C
    MOVWF   POSTINC1, 0
    MOVLW   0x3F
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x20
    MOVWF   POSTINC1, 0
    MOVLW   0xC0
    MOVWF   POSTINC1, 0
    CALL    __mulFP, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0x00
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x00
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x30
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xC0
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
    MOVF    PRODH, 0, 0
    MOVLB   main_bad
    IORWF   main_bad, 1, 1
    MOVLW   0xF9
    MOVWF   POSTINC1, 0
    MOVLW   0x02
    MOVWF   POSTINC1, 0
    MOVLW   0x15
    MOVWF   POSTINC1, 0
    MOVLW   0x50
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x50
    MOVWF   POSTINC1, 0
    MOVLW   0xC0
    MOVWF   POSTINC1, 0
    CALL    __addFP, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0xF9
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x02
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x15
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x50
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
    MOVF    PRODH, 0, 0
    MOVLB   main_bad
    IORWF   main_bad, 1, 1
    MOVLW   0xCD
    MOVWF   POSTINC1, 0
    MOVLW   0xCC
    MOVWF   POSTINC1, 0
    MOVLW   0xCC
    MOVWF   POSTINC1, 0
    MOVLW   0x3D
    MOVWF   POSTINC1, 0
    MOVLW   0x9A
    MOVWF   POSTINC1, 0
    MOVLW   0x99
    MOVWF   POSTINC1, 0
    MOVLW   0x99
    MOVWF   POSTINC1, 0
    MOVLW   0x3E
    MOVWF   POSTINC1, 0
    CALL    __subFP, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0xCE
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xCC
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x4C
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xBE
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
    MOVF    PRODH, 0, 0
    MOVLB   main_bad
    IORWF   main_bad, 1, 1
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0xBF
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x00
    MOVWF   POSTINC1, 0
    MOVLW   0x80
    MOVWF   POSTINC1, 0
    MOVLW   0x3E
    MOVWF   POSTINC1, 0
    CALL    __ltFP, 0
    CLRF    PRODH, 0
    SUBFSR  1, 1
    MOVLW   0x01
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 1
    MOVF    PRODH, 0, 0
    MOVLB   main_bad
    IORWF   main_bad, 1, 1
    MOVLW   0xEB
    MOVWF   POSTINC1, 0
    MOVLW   0x32
    MOVWF   POSTINC1, 0
    MOVLW   0xA4
    MOVWF   POSTINC1, 0
    MOVLW   0xF8
    MOVWF   POSTINC1, 0
    CALL    __cast32sFP, 0
    CLRF    PRODH, 0
    SUBFSR  1, 4
    MOVLW   0xA3
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0x79
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xEB
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    MOVLW   0xCC
    XORWF   POSTINC1, 0, 0
    IORWF   PRODH, 1, 0
    SUBFSR  1, 4
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
