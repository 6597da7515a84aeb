/*
 * iir_filter.c - conditioning of a pressure sensor: a first-order low-pass
 * (exponential average) with a selectable time constant, and a second-order
 * biquad notch at mains frequency with Q1.14 coefficients and 24-bit
 * intermediate sums.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define Q14(x)   ((int16)((x) * 16384.0))

typedef struct {
    int24 state;                /* value << shift */
    uint8 shift;                /* time constant 2^shift samples */
} lowpass_t;

typedef struct {
    int16 b0, b1, b2;           /* Q1.14 */
    int16 a1, a2;               /* Q1.14, signs folded in */
    int16 x1, x2;
    int16 y1, y2;
} biquad_t;

void lowpass_init(lowpass_t *f, uint8 shift, int16 first);
int16 lowpass_step(lowpass_t *f, int16 x);
void biquad_reset(biquad_t *q);
int16 biquad_step(biquad_t *q, int16 x);
int16 saturate(int32 v);
void main(void);

/* Notch at 50 Hz for 1 kHz sampling, r = 0.95. */
#pragma romdata filter_coefs
static rom const int16 notch_coefs[5] = {
    Q14(0.9750), Q14(-1.8544), Q14(0.9750), Q14(1.8083), Q14(-0.9025)
};
#pragma romdata

#pragma udata filter_state
static lowpass_t smooth;
static biquad_t notch;
#pragma udata

void lowpass_init(lowpass_t *f, uint8 shift, int16 first)
{
    f->shift = shift;
    f->state = (int24)first << shift;
}

int16 lowpass_step(lowpass_t *f, int16 x)
{
    /* state += x - state / 2^shift, so the output is state / 2^shift */
    f->state += x - (f->state >> f->shift);
    return (int16)(f->state >> f->shift);
}

int16 saturate(int32 v)
{
    if (v > 32767L)
        return 32767;
    if (v < -32768L)
        return -32767 - 1;
    return (int16)v;
}

void biquad_reset(biquad_t *q)
{
    q->b0 = notch_coefs[0];
    q->b1 = notch_coefs[1];
    q->b2 = notch_coefs[2];
    q->a1 = notch_coefs[3];
    q->a2 = notch_coefs[4];
    q->x1 = q->x2 = 0;
    q->y1 = q->y2 = 0;
}

int16 biquad_step(biquad_t *q, int16 x)
{
    int32 acc;
    int16 y;

    acc = (int32)q->b0 * x;
    acc += (int32)q->b1 * q->x1;
    acc += (int32)q->b2 * q->x2;
    acc += (int32)q->a1 * q->y1;
    acc += (int32)q->a2 * q->y2;
    y = saturate((acc + 0x2000) >> 14);     /* round to nearest */
    q->x2 = q->x1;
    q->x1 = x;
    q->y2 = q->y1;
    q->y1 = y;
    return y;
}

static int16 sample(void)
{
    ADCCTL0bits.GO = 1;
    while (ADCCTL0bits.GO)
        ;
    return (int16)MAKE_WORD(ADCRESH, ADCRESL) - 512;
}

void main(void)
{
    int16 raw;
    int16 clean;
    int16 slow;

    ADCCTL1bits.RIGHT = 1;
    ADCCTL0bits.CHS = 0;
    ADCCTL0bits.ON = 1;
    biquad_reset(&notch);
    lowpass_init(&smooth, PINBbits.P0 ? 6 : 3, sample());
    DIRC = 0;
    for (;;) {
        while (!INTFLG1bits.T2)
            ;
        INTFLG1bits.T2 = 0;
        raw = sample();
        clean = biquad_step(&notch, raw);
        slow = lowpass_step(&smooth, clean);
        OUTC = (uint8)((slow + 512) >> 2);
    }
}
