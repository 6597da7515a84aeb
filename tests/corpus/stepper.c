/*
 * stepper.c - unipolar stepper motor in half-step mode on port B with a
 * trapezoidal speed profile: accelerate, cruise, decelerate so that the
 * motor stops exactly on the target position. Step timing comes from
 * timer 1 in the high-priority interrupt.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define MIN_INTERVAL   400      /* timer counts at full speed */
#define MAX_INTERVAL   4000     /* at standstill */
#define ACCEL_STEP     40

void stepper_move_to(int24 position);
bool8 stepper_busy(void);
void high_isr(void);
void high_vector(void);
void main(void);

/* Coil patterns for half stepping: A, AB, B, BC, C, CD, D, DA. */
#pragma romdata
static rom const uint8 half_steps[8] = {
    0b0001, 0b0011, 0b0010, 0b0110, 0b0100, 0b1100, 0b1000, 0b1001
};
#pragma romdata

#pragma udata access stepper_fast
static near uint8 phase_index;
static near uint16 interval;
#pragma udata

static volatile int24 position;
static volatile int24 target;
static volatile bool8 moving;
static uint24 steps_to_stop;    /* steps the deceleration ramp needs */

void stepper_move_to(int24 where)
{
    INTCTLbits.GIEH = 0;
    target = where;
    if (!moving && target != position) {
        moving = TRUE;
        interval = MAX_INTERVAL;
        steps_to_stop = 0;
        T1H = HIGH_BYTE(~interval);
        T1L = LOW_BYTE(~interval);
        T1CTLbits.ON = 1;
    }
    INTCTLbits.GIEH = 1;
}

bool8 stepper_busy(void)
{
    return moving;
}

static uint24 distance_left(void)
{
    int24 d;

    d = target - position;
    return (uint24)(d < 0 ? -d : d);
}

#pragma interrupt high_isr
void high_isr(void)
{
    uint24 left;

    if (!INTFLG1bits.T1)
        return;
    INTFLG1bits.T1 = 0;
    if (target > position) {
        position++;
        phase_index = (uint8)((phase_index + 1) & 7);
    } else if (target < position) {
        position--;
        phase_index = (uint8)((phase_index - 1) & 7);
    }
    OUTB = (uint8)((OUTB & 0xF0) | half_steps[phase_index]);

    left = distance_left();
    if (left == 0) {
        moving = FALSE;
        T1CTLbits.ON = 0;
        OUTB &= 0xF0;           /* release the coils */
        return;
    }
    if (left <= steps_to_stop) {
        interval += ACCEL_STEP; /* decelerate */
        steps_to_stop--;
    } else if (interval > MIN_INTERVAL) {
        interval -= ACCEL_STEP; /* accelerate */
        steps_to_stop++;
    }
    T1H = HIGH_BYTE(~interval);
    T1L = LOW_BYTE(~interval);
}

#pragma code high_vector=0x08
void high_vector(void)
{
    _asm
        GOTO high_isr
    _endasm
}
#pragma code

void main(void)
{
    static rom const int24 moves[] = { 4800L, -1200L, 0L, 100000L, -100000L };
    uint8 next;

    DIRB = 0x00;
    OUTB = 0;
    T1CTL = 0;
    T1CTLbits.W16 = 1;
    INTEN1bits.T1 = 1;
    INTPRI1bits.T1 = 1;
    INTCTLbits.PRIEN = 1;
    INTCTLbits.GIEH = 1;
    next = 0;
    for (;;) {
        if (!stepper_busy() && PINAbits.P2 == 0) {
            stepper_move_to(moves[next]);
            if (++next == sizeof moves / sizeof moves[0])
                next = 0;
        }
        OUTCbits.P0 = stepper_busy();
    }
}
