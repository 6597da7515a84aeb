/*
 * led_fader.c - eight LEDs on port B dimmed by software PWM from the
 * high-priority timer interrupt (64 brightness steps, 100 Hz frame).
 * Brightness passes through a perceptual (gamma 2.2) table in program
 * memory; fades run in the main loop with per-channel targets and rates.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define CHANNELS    8
#define LEVELS      64

typedef struct {
    uint16 level;               /* Q8.8 perceived brightness, 0..255.0 */
    uint16 target;
    uint16 rate;                /* Q8.8 per 10 ms */
} fade_t;

void fade_to(uint8 ch, uint8 brightness, uint16 ms);
void fade_step(void);
void high_isr(void);
void high_vector(void);
void main(void);

#pragma romdata gamma_table
static rom const uint8 gamma64[LEVELS] = {
     0,  0,  0,  0,  0,  0,  0,  1,  1,  1,  1,  2,  2,  2,  3,  3,
     4,  4,  5,  5,  6,  7,  7,  8,  9, 10, 10, 11, 12, 13, 14, 15,
    16, 17, 18, 19, 20, 22, 23, 24, 25, 27, 28, 30, 31, 33, 34, 36,
    37, 39, 41, 43, 44, 46, 48, 50, 52, 54, 56, 58, 60, 61, 62, 63
};
#pragma romdata

#pragma udata access pwm_state
static near uint8 duty[CHANNELS];   /* 0..63, read by the interrupt */
static near uint8 phase;
static near uint8 pattern;
#pragma udata

static fade_t fades[CHANNELS];
static volatile uint8 frames;

void fade_to(uint8 ch, uint8 brightness, uint16 ms)
{
    fade_t *f;
    uint16 steps;
    uint16 distance;

    f = &fades[ch & 7];
    f->target = (uint16)brightness << 8;
    steps = ms / 10;
    if (steps == 0)
        steps = 1;
    distance = f->target > f->level ? f->target - f->level : f->level - f->target;
    f->rate = distance / steps;
    if (f->rate == 0)
        f->rate = 1;
}

void fade_step(void)
{
    uint8 ch;
    fade_t *f;

    for (ch = 0; ch < CHANNELS; ch++) {
        f = &fades[ch];
        if (f->level < f->target) {
            f->level = f->target - f->level > f->rate ? f->level + f->rate : f->target;
        } else if (f->level > f->target) {
            f->level = f->level - f->target > f->rate ? f->level - f->rate : f->target;
        }
        duty[ch] = gamma64[f->level >> 10];     /* 0..255 to 0..63 */
    }
}

#pragma interrupt high_isr nosave=TBLPTR, TBLPTRU, TABLAT, PROD
#pragma tmpdata isr_tmp
void high_isr(void)
{
    uint8 ch;
    uint8 bit;

    if (!INTFLG1bits.T2)
        return;
    INTFLG1bits.T2 = 0;
    if (++phase == LEVELS) {
        phase = 0;
        frames++;
    }
    pattern = 0;
    for (ch = 0, bit = 1; ch < CHANNELS; ch++, bit <<= 1)
        if (phase < duty[ch])
            pattern |= bit;
    OUTB = pattern;
}
#pragma tmpdata

#pragma code high_vector=0x08
void high_vector(void)
{
    _asm GOTO high_isr _endasm
}
#pragma code

void main(void)
{
    uint8 last;
    uint8 ch;
    uint8 tick10;

    DIRB = 0x00;
    T2PR = 155;                 /* 64 x 100 Hz = 6.4 kHz */
    T2CTLbits.ON = 1;
    INTEN1bits.T2 = 1;
    INTPRI1bits.T2 = 1;
    INTCTLbits.PRIEN = 1;
    INTCTLbits.GIEH = 1;
    for (ch = 0; ch < CHANNELS; ch++)
        fade_to(ch, (uint8)(ch * 36), 2000);
    last = frames;
    tick10 = 0;
    for (;;) {
        if (frames == last)
            continue;
        last = frames;
        fade_step();
        if (++tick10 == 250) {  /* every 2.5 s reverse all fades */
            tick10 = 0;
            for (ch = 0; ch < CHANNELS; ch++)
                fade_to(ch, (uint8)(fades[ch].target ? 0 : 255), 1500);
        }
    }
}
