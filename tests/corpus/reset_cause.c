/*
 * reset_cause.c - start-up of a field unit: find out why the part reset
 * (power-on, brown-out, watchdog, software), keep counters of each cause
 * in memory that start-up code does not clear, and go to a safe state
 * after repeated watchdog resets.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define SAFE_AFTER_WDT   3
#define PERSIST_MAGIC    0xC3A5

typedef enum {
    RESET_POWER_ON,
    RESET_BROWN_OUT,
    RESET_WATCHDOG,
    RESET_SOFTWARE,
    RESET_UNKNOWN,
    RESET_CAUSES
} reset_cause_t;

typedef struct {
    uint16 magic;
    uint16 counts[RESET_CAUSES];
    uint8 wdt_in_a_row;
    uint8 last_cause;
} persist_t;

reset_cause_t reset_cause(void);
void persist_update(reset_cause_t cause);
void enter_safe_state(void);
void software_reset(void);
void main(void);

/* Not initialised at start-up: survives every reset but power loss. */
#pragma udata persistent_ram
static persist_t persist;
#pragma udata

#pragma romdata
static rom const char *rom const cause_names[RESET_CAUSES] = {
    "power-on", "brown-out", "watchdog", "software", "unknown"
};
#pragma romdata

reset_cause_t reset_cause(void)
{
    reset_cause_t cause;

    if (!RSTCTLbits.POR)
        cause = RESET_POWER_ON;
    else if (!RSTCTLbits.BOR)
        cause = RESET_BROWN_OUT;
    else if (!RSTCTLbits.TO)
        cause = RESET_WATCHDOG;
    else if (!RSTCTLbits.SWR)
        cause = RESET_SOFTWARE;
    else
        cause = RESET_UNKNOWN;
    RSTCTL = 0b00011111;        /* re-arm every flag */
    return cause;
}

void persist_update(reset_cause_t cause)
{
    uint8 i;

    if (cause == RESET_POWER_ON || persist.magic != PERSIST_MAGIC) {
        persist.magic = PERSIST_MAGIC;
        for (i = 0; i < RESET_CAUSES; i++)
            persist.counts[i] = 0;
        persist.wdt_in_a_row = 0;
    }
    if (persist.counts[cause] != 0xFFFF)
        persist.counts[cause]++;
    if (cause == RESET_WATCHDOG)
        persist.wdt_in_a_row++;
    else
        persist.wdt_in_a_row = 0;
    persist.last_cause = (uint8)cause;
}

void enter_safe_state(void)
{
    INTCTL = 0;
    OUTA = OUTB = OUTC = 0;
    DIRA = DIRB = DIRC = 0xFF;  /* every output released */
    DIRCbits.P0 = 0;
    OUTCbits.P0 = 1;            /* fault lamp */
    WDTCTLbits.SWDTEN = 0;
    for (;;)
        Sleep();
}

void software_reset(void)
{
    INTCTLbits.GIEH = 0;
    Reset();
}

static void print_rom(const rom char *s)
{
    while (*s) {
        while (!USTATbits.TXRDY)
            ;
        UTXD = (uint8)*s++;
    }
}

void main(void)
{
    reset_cause_t cause;
    uint16 loops;

    cause = reset_cause();
    persist_update(cause);
    if (persist.wdt_in_a_row >= SAFE_AFTER_WDT)
        enter_safe_state();
    UCTL = 0b10000001;
    print_rom("reset: ");
    print_rom(cause_names[cause]);
    print_rom("\r\n");
    WDTCTLbits.PS = 10;
    WDTCTLbits.SWDTEN = 1;
    loops = 0;
    for (;;) {
        ClrWdt();
        if (PINAbits.P7 == 0)
            software_reset();
        if (PINAbits.P6 == 0)
            for (;;)
                ;               /* test hook: let the watchdog bite */
        loops++;
    }
}
