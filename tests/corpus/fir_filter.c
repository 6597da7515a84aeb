/*
 * fir_filter.c - a 15-tap symmetric FIR low-pass for an audio-rate input.
 * Coefficients live in program memory; samples go into a circular buffer
 * kept in its own bank, and the symmetric taps are folded so that each
 * multiplication serves two samples.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define TAPS     15
#define HALF     (TAPS / 2)

void fir_reset(void);
int16 fir_step(int16 x);
int16 fir_gain_check(void);
void main(void);

/* Hamming-window low-pass, cut-off 0.1 fs, Q15, taps sum to 32768. */
#pragma romdata fir_coefs
static rom const int16 coef[HALF + 1] = {
    -82, -139, 0, 693, 2196, 4210, 6076, 6860
};
#pragma romdata

#pragma udata fir_delay_line
static int16 delay[TAPS];
#pragma udata

#pragma varlocate 2 delay

static uint8 newest;

void fir_reset(void)
{
    uint8 i;

    for (i = 0; i < TAPS; i++)
        delay[i] = 0;
    newest = 0;
}

int16 fir_step(int16 x)
{
    int32 acc;
    uint8 i;
    uint8 lo;                   /* walks back from the newest sample */
    uint8 hi;                   /* walks forward from the oldest */

    newest = (uint8)(newest == TAPS - 1 ? 0 : newest + 1);
    delay[newest] = x;
    lo = newest;
    hi = (uint8)(newest == TAPS - 1 ? 0 : newest + 1);
    acc = 0;
    for (i = 0; i < HALF; i++) {
        acc += (int32)coef[i] * ((int32)delay[lo] + delay[hi]);
        lo = (uint8)(lo == 0 ? TAPS - 1 : lo - 1);
        hi = (uint8)(hi == TAPS - 1 ? 0 : hi + 1);
    }
    acc += (int32)coef[HALF] * delay[lo];   /* the centre tap */
    return (int16)((acc + 0x4000) >> 15);
}

int16 fir_gain_check(void)
{
    uint8 i;
    int16 y;

    /* A constant input must come out unchanged once the line is full. */
    fir_reset();
    y = 0;
    for (i = 0; i < TAPS; i++)
        y = fir_step(1000);
    fir_reset();
    return y;
}

void main(void)
{
    int16 in;
    int16 out;

    DIRC = 0;
    OUTC = fir_gain_check() >= 998 ? 0x01 : 0x81;
    ADCCTL0bits.ON = 1;
    for (;;) {
        while (!INTFLG1bits.T2)
            ;
        INTFLG1bits.T2 = 0;
        ADCCTL0bits.GO = 1;
        while (ADCCTL0bits.GO)
            ;
        in = (int16)(MAKE_WORD(ADCRESH, ADCRESL) << 5) - 16384;
        out = fir_step(in);
        PWM1DH = (uint8)((out + 16384) >> 8);
    }
}
