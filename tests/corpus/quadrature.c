/*
 * quadrature.c - an incremental rotary encoder on port B bits 4 and 5,
 * decoded in the port-change interrupt with a 16-entry transition table
 * (invalid transitions are counted, not followed), plus a push switch
 * and a speed estimate taken every 100 ms.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define COUNTS_PER_REV   96
#define DETENT_COUNTS    4

void encoder_init(void);
int24 encoder_position(void);
int16 encoder_speed(void);
void high_isr(void);
void high_vector(void);
void main(void);

/* Index: previous state << 2 | new state; value: -1, 0, +1, or 2 = invalid. */
#pragma romdata
static rom const signed char transition[16] = {
     0, +1, -1,  2,
    -1,  0,  2, +1,
    +1,  2,  0, -1,
     2, -1, +1,  0
};
#pragma romdata

#pragma udata access encoder_state
static near uint8 last_ab;
static near volatile int24 position;
static near volatile uint8 glitches;
#pragma udata

static int24 last_position;
static int16 speed;             /* counts per 100 ms */

void encoder_init(void)
{
    DIRB |= 0b00110000;
    PULLB |= 0b00110000;
    last_ab = (uint8)((PINB >> 4) & 0x03);
    position = 0;
    glitches = 0;
    INTFLG2bits.CHG = 0;
    INTPRI2bits.CHG = 1;
    INTEN2bits.CHG = 1;
}

int24 encoder_position(void)
{
    int24 p;

    INTCTLbits.GIEH = 0;
    p = position;
    INTCTLbits.GIEH = 1;
    return p;
}

int16 encoder_speed(void)
{
    return speed;
}

/* The handler keeps its temporaries in a section of its own, so the
   main line's .tmpdata need not be saved. */
#pragma interrupt high_isr nosave=section(".tmpdata")
#pragma tmpdata quadrature_isr_tmp
void high_isr(void)
{
    uint8 ab;
    signed char step;

    if (INTFLG2bits.CHG) {
        ab = (uint8)((PINB >> 4) & 0x03);   /* reading clears the mismatch */
        INTFLG2bits.CHG = 0;
        step = transition[(uint8)(last_ab << 2 | ab)];
        if (step == 2)
            glitches++;
        else
            position += step;
        last_ab = ab;
    }
}
#pragma tmpdata

#pragma code isr_vector=0x000008
void high_vector(void)
{
    /* Mnemonics are not case-sensitive; here "goto" is the instruction. */
    _asm goto high_isr _endasm
}
#pragma code

void main(void)
{
    int24 now;
    int24 detents;
    uint8 ms;

    encoder_init();
    INTCTLbits.PRIEN = 1;
    INTCTLbits.GIEH = 1;
    DIRC = 0;
    last_position = 0;
    ms = 0;
    for (;;) {
        while (!INTFLG1bits.T2)
            ;
        INTFLG1bits.T2 = 0;
        if (++ms < 100)
            continue;
        ms = 0;
        now = encoder_position();
        speed = (int16)(now - last_position);
        last_position = now;
        detents = now / DETENT_COUNTS;
        if (PINBbits.P6 == 0) {     /* push to zero */
            INTCTLbits.GIEH = 0;
            position = 0;
            INTCTLbits.GIEH = 1;
        }
        OUTC = (uint8)(detents % COUNTS_PER_REV);
        OUTCbits.P7 = glitches != 0;
    }
}
