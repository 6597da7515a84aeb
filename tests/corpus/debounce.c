/*
 * debounce.c - eight push buttons on port B debounced together with
 * vertical counters: a key changes state only after four equal samples
 * 5 ms apart. Each key also reports a long press after one second and
 * auto-repeats while held.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define LONG_PRESS_TICKS  200   /* 1 s in 5 ms ticks */
#define REPEAT_TICKS      40

typedef struct {
    uint8 state;                /* debounced levels, 1 = pressed */
    uint8 cnt0;                 /* low bit of each key's counter */
    uint8 cnt1;                 /* high bit */
    uint8 pressed;              /* edges not yet taken */
    uint8 released;
    uint8 held_ticks[8];
    uint8 long_pressed;
    uint8 repeat;
} keys_t;

void keys_sample(keys_t *k, uint8 raw);
uint8 keys_take_pressed(keys_t *k);
uint8 keys_take_long(keys_t *k);
void low_isr(void);
void main(void);

static keys_t keys;
static volatile bool8 tick;

void keys_sample(keys_t *k, uint8 raw)
{
    uint8 changed;
    uint8 i;
    uint8 bit;

    /* Counters of the keys whose sample equals their state are reset; the
       others count up, and a key toggles when its counter wraps to zero. */
    changed = (uint8)(raw ^ k->state);
    k->cnt0 = (uint8)(~k->cnt0 & changed);
    k->cnt1 = (uint8)((k->cnt1 ^ k->cnt0) & changed);
    changed &= (uint8)~(k->cnt0 | k->cnt1);
    k->state ^= changed;
    k->pressed |= (uint8)(changed & k->state);
    k->released |= (uint8)(changed & ~k->state);

    for (i = 0, bit = 1; i < 8; i++, bit <<= 1) {
        if (!(k->state & bit)) {
            k->held_ticks[i] = 0;
            continue;
        }
        if (k->held_ticks[i] < 255)
            k->held_ticks[i]++;
        if (k->held_ticks[i] == LONG_PRESS_TICKS)
            k->long_pressed |= bit;
        else if (k->held_ticks[i] > LONG_PRESS_TICKS &&
                 (k->held_ticks[i] - LONG_PRESS_TICKS) % REPEAT_TICKS == 0)
            k->repeat |= bit;
    }
}

uint8 keys_take_pressed(keys_t *k)
{
    uint8 p;

    INTCTLbits.GIEL = 0;
    p = (uint8)(k->pressed | k->repeat);
    k->pressed = 0;
    k->repeat = 0;
    INTCTLbits.GIEL = 1;
    return p;
}

uint8 keys_take_long(keys_t *k)
{
    uint8 p;

    INTCTLbits.GIEL = 0;
    p = k->long_pressed;
    k->long_pressed = 0;
    INTCTLbits.GIEL = 1;
    return p;
}

#pragma interruptlow low_isr nosave=PCLATH, PCLATU
void low_isr(void)
{
    if (INTFLG1bits.T0) {
        INTFLG1bits.T0 = 0;
        T0H = 0xB1;             /* 5 ms at 4 MHz instruction clock */
        T0L = 0xE0;
        keys_sample(&keys, (uint8)~PINB);   /* active-low buttons */
        tick = TRUE;
    }
}

void main(void)
{
    uint8 p;
    uint8 count;

    DIRB = 0xFF;                /* buttons in */
    PULLB = 0xFF;
    DIRC = 0x00;
    T0CTL = 0;
    T0CTLbits.W16 = 1;
    T0CTLbits.ON = 1;
    INTEN1bits.T0 = 1;
    INTCTLbits.PRIEN = 1;
    INTCTLbits.GIEL = 1;
    INTCTLbits.GIEH = 1;
    count = 0;
    for (;;) {
        if (!tick)
            continue;
        tick = FALSE;
        p = keys_take_pressed(&keys);
        if (p & 0x01)
            count++;
        if (p & 0x02)
            count--;
        if (keys_take_long(&keys) & 0x01)
            count = 0;
        OUTC = count;
    }
}
