/*
 * uart_echo.c - interrupt-driven serial port with receive and transmit
 * queues. Received characters are echoed back, a carriage return adds a
 * line feed, and a backspace rubs out the previous character on the line.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define FOSC_HZ      16000000UL
#define BAUD         19200UL
#define BRG_VALUE    ((uint16)(FOSC_HZ / (4UL * BAUD) - 1UL))

#define RXQ_SIZE     32
#define TXQ_SIZE     64
#define LINE_MAX     40

void uart_init(void);
bool8 uart_getc(uint8 *c);
void uart_putc(uint8 c);
void uart_puts(const rom char *s);
void high_isr(void);
void high_vector(void);
void main(void);

#pragma udata uart_queues
static uint8 rxq[RXQ_SIZE];
static uint8 txq[TXQ_SIZE];
#pragma udata

static volatile uint8 rx_head, rx_tail;
static volatile uint8 tx_head, tx_tail;
static volatile uint8 rx_overruns;

static char line[LINE_MAX];
static uint8 line_len;

void uart_init(void)
{
    DIRCbits.P6 = 0;            /* TX pin drives */
    DIRCbits.P7 = 1;            /* RX pin listens */
    UBRGL = LOW_BYTE(BRG_VALUE);
    UBRGH = HIGH_BYTE(BRG_VALUE);
    UCTL = 0;
    UCTLbits.BRG16 = 1;
    UCTLbits.HISPEED = 1;
    UCTLbits.TXEN = 1;
    UCTLbits.RXEN = 1;
    UCTLbits.EN = 1;
    rx_head = rx_tail = 0;
    tx_head = tx_tail = 0;
    INTPRI1bits.URX = 1;
    INTPRI1bits.UTX = 1;
    INTEN1bits.URX = 1;
}

bool8 uart_getc(uint8 *c)
{
    if (rx_head == rx_tail)
        return FALSE;
    *c = rxq[rx_tail];
    rx_tail = (uint8)((rx_tail + 1) % RXQ_SIZE);
    return TRUE;
}

void uart_putc(uint8 c)
{
    uint8 next;

    next = (uint8)((tx_head + 1) % TXQ_SIZE);
    while (next == tx_tail)
        ;                       /* queue full: the interrupt drains it */
    txq[tx_head] = c;
    tx_head = next;
    INTEN1bits.UTX = 1;
}

void uart_puts(const rom char *s)
{
    while (*s != '\0') {
        if (*s == '\n')
            uart_putc('\r');
        uart_putc((uint8)*s);
        s++;
    }
}

#pragma interrupt high_isr
void high_isr(void)
{
    uint8 next;

    if (INTFLG1bits.URX) {
        if (USTATbits.OERR) {
            UCTLbits.RXEN = 0;  /* restart the receiver to clear the error */
            UCTLbits.RXEN = 1;
            rx_overruns++;
        }
        next = (uint8)((rx_head + 1) % RXQ_SIZE);
        if (next != rx_tail) {
            rxq[rx_head] = URXD;
            rx_head = next;
        } else {
            next = URXD;        /* drop it, but read to clear the flag */
            rx_overruns++;
        }
    }
    if (INTFLG1bits.UTX && INTEN1bits.UTX) {
        if (tx_head != tx_tail) {
            UTXD = txq[tx_tail];
            tx_tail = (uint8)((tx_tail + 1) % TXQ_SIZE);
        } else {
            INTEN1bits.UTX = 0;
        }
    }
}

#pragma code high_vector_section=0x08
void high_vector(void)
{
    _asm
        GOTO high_isr
    _endasm
}
#pragma code

static void handle_char(uint8 c)
{
    switch (c) {
    case '\r':
        uart_puts("\n");
        line[line_len] = '\0';
        line_len = 0;
        break;
    case 0x08:
    case 0x7F:
        if (line_len > 0) {
            line_len--;
            uart_puts("\b \b");
        }
        break;
    default:
        if (c >= ' ' && line_len < LINE_MAX - 1) {
            line[line_len++] = (char)c;
            uart_putc(c);
        } else {
            uart_putc(0x07);    /* bell: line full or control character */
        }
        break;
    }
}

void main(void)
{
    uint8 c;

    line_len = 0;
    uart_init();
    INTCTLbits.PRIEN = 1;
    INTCTLbits.GIEH = 1;
    uart_puts("HR serial monitor ready\n> ");
    for (;;) {
        if (uart_getc(&c))
            handle_char(c);
        ClrWdt();
    }
}
