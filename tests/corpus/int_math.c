/*
 * int_math.c - integer arithmetic helpers for a power meter: 16x16 to 32
 * bit multiply on the hardware 8x8 multiplier, restoring division, an
 * integer square root for RMS values, and a base-2 logarithm in Q4.4 for
 * a decibel display.
 */
#include "hr_types.h"
#include "hr_regs.h"

uint32 mul16x16(uint16 a, uint16 b);
uint16 div32by16(uint32 n, uint16 d, uint16 *rem);
uint16 isqrt32(uint32 x);
uint8 log2_q4(uint16 x);
uint16 rms_of(const int16 *samples, uint8 n);
void high_isr(void);
void main(void);

#pragma udata access math_scratch
static near uint8 ma;
static near uint8 mb;
static near uint8 prod_lo;
static near uint8 prod_hi;
#pragma udata

/* Fractional part of log2(1 + i/16) in sixteenths. */
static volatile uint32 energy;     /* sum of squared samples / 256 */

#pragma romdata
static rom const uint8 log2_frac[16] = {
    0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 15
};
#pragma romdata

static uint16 mul8x8(uint8 a, uint8 b)
{
    ma = a;
    mb = b;
    _asm
        MOVF ma, W, ACCESS
        MULWF mb, ACCESS
        MOVFF PRODL, prod_lo
        MOVFF PRODH, prod_hi
    _endasm
    return MAKE_WORD(prod_hi, prod_lo);
}

uint32 mul16x16(uint16 a, uint16 b)
{
    uint32 r;
    uint16 cross;

    r = mul8x8(LOW_BYTE(a), LOW_BYTE(b));
    r += (uint32)mul8x8(HIGH_BYTE(a), HIGH_BYTE(b)) << 16;
    cross = mul8x8(HIGH_BYTE(a), LOW_BYTE(b));
    r += (uint32)cross << 8;
    cross = mul8x8(LOW_BYTE(a), HIGH_BYTE(b));
    r += (uint32)cross << 8;
    return r;
}

uint16 div32by16(uint32 n, uint16 d, uint16 *rem)
{
    uint32 r;
    uint16 q;
    uint8 i;

    if (d == 0) {
        *rem = 0;
        return 0xFFFF;
    }
    r = n >> 16;
    if (r >= d) {               /* quotient would not fit 16 bits */
        *rem = 0;
        return 0xFFFF;
    }
    q = 0;
    for (i = 0; i < 16; i++) {
        r = (r << 1) | ((n >> (15 - i)) & 1);
        q <<= 1;
        if (r >= d) {
            r -= d;
            q |= 1;
        }
    }
    *rem = (uint16)r;
    return q;
}

uint16 isqrt32(uint32 x)
{
    uint32 bit;
    uint32 res;

    res = 0;
    bit = 1UL << 30;
    while (bit > x)
        bit >>= 2;
    while (bit != 0) {
        if (x >= res + bit) {
            x -= res + bit;
            res = (res >> 1) + bit;
        } else {
            res >>= 1;
        }
        bit >>= 2;
    }
    return (uint16)res;
}

uint8 log2_q4(uint16 x)
{
    uint8 e;

    if (x == 0)
        return 0;
    e = 15;
    while (!(x & 0x8000)) {
        x <<= 1;
        e--;
    }
    /* x is now 1.xxxx in bits 15..11; the next four bits index the table. */
    return (uint8)((e << 4) | log2_frac[(x >> 11) & 0x0F]);
}

uint16 rms_of(const int16 *samples, uint8 n)
{
    uint32 sum;
    uint16 mag;
    uint8 i;

    sum = 0;
    for (i = 0; i < n; i++) {
        mag = (uint16)(samples[i] < 0 ? -samples[i] : samples[i]);
        sum += mul16x16(mag, mag) / n;
    }
    return isqrt32(sum);
}

/* The multiply helper keeps its operands in math_scratch and the handler
   multiplies too, so it saves that section around its own work. */
#pragma interrupt high_isr save=section("math_scratch")
void high_isr(void)
{
    uint16 v;

    if (!INTFLG1bits.ADC)
        return;
    INTFLG1bits.ADC = 0;
    v = MAKE_WORD(ADCRESH & 0x03, ADCRESL);
    energy += mul16x16(v, v) >> 8;
    ADCCTL0bits.GO = 1;
}

void main(void)
{
    int16 wave[16];
    uint16 rem;
    uint16 q;
    uint8 i;
    uint8 errors;

    errors = 0;
    if (mul16x16(0xFFFF, 0xFFFF) != 0xFFFE0001UL)
        errors |= 0x01;
    q = div32by16(1000000UL, 1000, &rem);
    if (q != 1000 || rem != 0)
        errors |= 0x02;
    if (isqrt32(4294836225UL) != 65535U)
        errors |= 0x04;
    if (log2_q4(1024) != 0xA0)
        errors |= 0x08;
    for (i = 0; i < 16; i++)
        wave[i] = (i & 8) ? -1000 : 1000;   /* square wave */
    if (rms_of(wave, 16) != 1000)
        errors |= 0x10;
    DIRB = 0;
    OUTB = errors;
    ADCCTL0bits.ON = 1;
    INTEN1bits.ADC = 1;
    INTPRI1bits.ADC = 1;
    INTCTLbits.GIEH = 1;
    ADCCTL0bits.GO = 1;
    for (;;)
        OUTC = log2_q4((uint16)(energy >> 16));
}
