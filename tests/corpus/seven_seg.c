/*
 * seven_seg.c - a four-digit multiplexed LED display: segments on port B
 * (active high), digit drivers on port C bits 0..3 (active low). The
 * low-priority timer interrupt lights one digit per millisecond, with
 * leading-zero blanking, a decimal point and blinking of one digit while
 * it is being edited.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define DIGITS     4
#define SEG_DP     0x80
#define BLANK      16
#define MINUS      17

void display_number(int16 value, uint8 decimals);
void display_edit(uint8 digit);
void low_isr(void);
void low_vector(void);
void main(void);

/* Segments a..g in bits 0..6: 0-9, A-F, blank, minus. */
#pragma romdata segment_font
static rom const uint8 font[18] = {
    0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
    0x7F, 0x6F, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71,
    0x00, 0x40
};
#pragma romdata

#pragma udata access display_ram
static near uint8 frame[DIGITS];    /* segment patterns, leftmost first */
static near uint8 scan;
static near uint8 blink_timer;
static near uint8 editing;          /* digit being edited, or 0xFF */
#pragma udata

void display_number(int16 value, uint8 decimals)
{
    uint8 codes[DIGITS];
    bool8 negative;
    uint8 i;
    uint16 v;

    negative = value < 0;
    v = (uint16)(negative ? -value : value);
    for (i = DIGITS; i > 0; i--) {
        codes[i - 1] = (uint8)(v % 10);
        v /= 10;
    }
    /* Blank leading zeros, but keep the digit before the decimal point. */
    for (i = 0; i < DIGITS - 1 - decimals && codes[i] == 0; i++)
        codes[i] = BLANK;
    if (negative && i > 0)
        codes[i - 1] = MINUS;
    INTCTLbits.GIEL = 0;
    for (i = 0; i < DIGITS; i++)
        frame[i] = font[codes[i]];
    if (decimals > 0 && decimals < DIGITS)
        frame[DIGITS - 1 - decimals] |= SEG_DP;
    INTCTLbits.GIEL = 1;
}

void display_edit(uint8 digit)
{
    editing = digit;
    blink_timer = 0;
}

#pragma interruptlow low_isr nosave=TBLPTR, TBLPTRU, TABLAT
void low_isr(void)
{
    uint8 pattern;

    if (!INTFLG1bits.T2)
        return;
    INTFLG1bits.T2 = 0;
    OUTC |= 0x0F;               /* all digits off while switching */
    scan = (uint8)((scan + 1) & (DIGITS - 1));
    pattern = frame[scan];
    if (scan == 0)
        blink_timer++;
    if (scan == editing && (blink_timer & 0x80))
        pattern = 0;
    OUTB = pattern;
    OUTC &= (uint8)~(1 << scan);
}

#pragma code low_vector=0x18
void low_vector(void)
{
    _asm GOTO low_isr _endasm
}
#pragma code

void main(void)
{
    int16 value;
    uint8 ms;

    DIRB = 0x00;
    DIRC = 0xF0;
    editing = 0xFF;
    T2PR = 124;                 /* 1 ms */
    T2CTLbits.PRE = 0b11;
    T2CTLbits.ON = 1;
    INTEN1bits.T2 = 1;
    INTCTLbits.PRIEN = 1;
    INTCTLbits.GIEH = 1;
    INTCTLbits.GIEL = 1;
    value = -150;
    ms = 0;
    for (;;) {
        if (!INTFLG1bits.T0)
            continue;
        INTFLG1bits.T0 = 0;
        if (++ms < 100)
            continue;
        ms = 0;
        display_number(value, 1);
        if (++value > 999)
            value = -199;
        if (PINAbits.P4 == 0)
            display_edit(value & 1 ? 2 : 3);
    }
}
