/*
 * traffic_light.c - a pedestrian crossing: a table-driven state machine
 * in program memory gives each phase its lamps and duration; a request
 * button shortens the main-road green; a fault input puts both directions
 * on flashing amber.
 */
#include "hr_types.h"
#include "hr_regs.h"

/* Lamp bits on port C. */
#define CAR_RED     0b00000001
#define CAR_AMBER   0b00000010
#define CAR_GREEN   0b00000100
#define WALK_RED    0b00001000
#define WALK_GREEN  0b00010000
#define WAIT_LAMP   0b00100000

typedef enum {
    PH_CAR_GREEN, PH_CAR_AMBER, PH_ALL_RED1, PH_WALK,
    PH_WALK_FLASH, PH_ALL_RED2, PH_CAR_RED_AMBER, PH_FAULT,
    PHASE_COUNT
} phase_t;

typedef struct {
    uint8 lamps;
    uint16 duration;            /* in 100 ms ticks, 0 = until an event */
    phase_t next;
    uint8 flash;                /* lamps that blink during the phase */
} phase_row_t;

void enter_phase(phase_t p);
void tick_100ms(void);
void high_isr(void);
void main(void);

#pragma romdata phase_table
static rom const phase_row_t phases[PHASE_COUNT] = {
    { CAR_GREEN | WALK_RED,          300, PH_CAR_AMBER,     0 },
    { CAR_AMBER | WALK_RED,           30, PH_ALL_RED1,      0 },
    { CAR_RED | WALK_RED,             20, PH_WALK,          0 },
    { CAR_RED | WALK_GREEN,           80, PH_WALK_FLASH,    0 },
    { CAR_RED | WALK_GREEN,           40, PH_ALL_RED2,      WALK_GREEN },
    { CAR_RED | WALK_RED,             20, PH_CAR_RED_AMBER, 0 },
    { CAR_RED | CAR_AMBER | WALK_RED, 20, PH_CAR_GREEN,     0 },
    { CAR_AMBER,                       0, PH_FAULT,         CAR_AMBER }
};
#pragma romdata

static phase_t phase;
static uint16 remaining;
static bool8 walk_request;
static uint8 blink;
static volatile uint8 ticks;

void enter_phase(phase_t p)
{
    phase = p;
    remaining = phases[p].duration;
    if (p == PH_WALK)
        walk_request = FALSE;
}

void tick_100ms(void)
{
    uint8 lamps;

    if (PINAbits.P1 == 0 && phase != PH_FAULT)
        enter_phase(PH_FAULT);
    if (PINAbits.P0 == 0)
        walk_request = TRUE;
    /* A waiting pedestrian cuts the green to its last five seconds. */
    if (phase == PH_CAR_GREEN && walk_request && remaining > 50)
        remaining = 50;
    if (remaining != 0 && --remaining == 0)
        enter_phase(phases[phase].next);
    if (phase == PH_CAR_GREEN && !walk_request)
        remaining = remaining < 2 ? 2 : remaining;  /* rest on green */

    blink ^= 1;
    lamps = phases[phase].lamps;
    if (blink)
        lamps &= (uint8)~phases[phase].flash;
    if (walk_request)
        lamps |= WAIT_LAMP;
    OUTC = lamps;
}

#pragma interrupt high_isr nosave=PROD, TBLPTR, TBLPTRU, TABLAT, PCLATH, PCLATU
void high_isr(void)
{
    if (INTFLG1bits.T1) {
        INTFLG1bits.T1 = 0;
        T1H = 0x3C;
        T1L = 0xB0;
        ticks++;
    }
}

void main(void)
{
    uint8 seen;

    DIRA = 0xFF;
    DIRC = 0x00;
    T1CTL = 0;
    T1CTLbits.W16 = 1;
    T1CTLbits.PS = 0b011;
    T1CTLbits.PSEN = 1;
    T1CTLbits.ON = 1;
    INTEN1bits.T1 = 1;
    INTPRI1bits.T1 = 1;
    INTCTLbits.GIEH = 1;
    walk_request = FALSE;
    enter_phase(PH_ALL_RED2);
    seen = 0;
    for (;;) {
        if (ticks != seen) {
            seen++;
            tick_100ms();
        }
    }
}
