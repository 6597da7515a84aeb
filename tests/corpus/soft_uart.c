/*
 * soft_uart.c - a second, bit-banged serial transmitter on port A bit 0 for
 * a debug terminal at 9600 Bd. Bit timing comes from a cycle-counted
 * assembly loop; interrupts are held off for the duration of one
 * character only. Also prints the software stack depth in use.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define BIT_LOOPS   33          /* 104 us per bit at 4 MIPS */

void soft_putc(uint8 c);
void soft_puts(const rom char *s);
void soft_put_hex(uint16 v);
void bit_delay(void);
void main(void);

#pragma udata access soft_uart_vars
static near uint8 tx_byte;
static near uint8 bit_count;
near uint8 delay_loops;         /* used only by the assembly below */
static near uint8 sp_low;
static near uint8 sp_high;
#pragma udata

#pragma tmpdata soft_uart_tmp

void bit_delay(void)
{
    _asm
        MOVLW BIT_LOOPS
        MOVWF delay_loops, ACCESS
    wait_bit:
        NOP
        DECFSZ delay_loops, F, ACCESS
        BRA wait_bit
    _endasm
}

void soft_putc(uint8 c)
{
    uint8 saved;

    tx_byte = c;
    bit_count = 8;
    saved = INTCTL;
    INTCTLbits.GIEH = 0;
    OUTAbits.P0 = 0;            /* start bit */
    bit_delay();
    /* Shift the byte out least significant bit first through the carry. */
    _asm
    next_bit:
        RRCF tx_byte, F, ACCESS
        BC one_bit
        BCF OUTA, 0, ACCESS
        BRA bit_done
    one_bit:
        BSF OUTA, 0, ACCESS
        NOP
    bit_done:
    _endasm
    bit_delay();
    _asm
        DECFSZ bit_count, F, ACCESS
        BRA next_bit
    _endasm
    OUTAbits.P0 = 1;            /* stop bit */
    bit_delay();
    INTCTL = saved;
}

void soft_puts(const rom char *s)
{
    while (*s)
        soft_putc((uint8)*s++);
}

void soft_put_hex(uint16 v)
{
    uint8 shift;
    uint8 nib;

    for (shift = 16; shift != 0; ) {
        shift -= 4;
        nib = (uint8)((v >> shift) & 0x0F);
        soft_putc((uint8)(nib < 10 ? '0' + nib : 'A' - 10 + nib));
    }
}

#pragma tmpdata

static uint16 stack_in_use(void)
{
    /* FSR1 is the software stack pointer; the stack starts at 0x200. */
    _asm
        MOVFF FSR1L, sp_low
        MOVFF FSR1H, sp_high
    _endasm
    return MAKE_WORD(sp_high, sp_low) - 0x200;
}

void main(void)
{
    uint16 n;

    OUTAbits.P0 = 1;            /* idle high */
    DIRAbits.P0 = 0;
    soft_puts("debug port up\r\n");
    n = 0;
    for (;;) {
        soft_puts("loop ");
        soft_put_hex(n++);
        soft_puts(" stack ");
        soft_put_hex(stack_in_use());
        soft_puts("\r\n");
    }
}
