/*
 * keypad.c - a 4x4 membrane keypad: rows driven low one at a time on port
 * B bits 0..3, columns read with pull-ups on bits 4..7. A key is accepted
 * after three equal scans, two keys at once are ignored, and accepted keys
 * build a PIN code that unlocks an output.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define NO_KEY       0xFF
#define PIN_LEN      4
#define STABLE_SCANS 3
#define MAX_ATTEMPTS 3

void keypad_init(void);
uint8 keypad_scan_raw(void);
uint8 keypad_get(void);
bool8 pin_enter(uint8 key);
void main(void);

#pragma romdata
static rom const char keymap[16] = {
    '1', '2', '3', 'A',
    '4', '5', '6', 'B',
    '7', '8', '9', 'C',
    '*', '0', '#', 'D'
};
static rom const char secret[PIN_LEN] = { '2', '5', '8', '0' };
#pragma romdata

static uint8 candidate;
static uint8 stable_count;
static uint8 reported;
static char entered[PIN_LEN];
static uint8 entered_len;
static uint8 failures;

void keypad_init(void)
{
    DIRB = 0xF0;                /* rows out, columns in */
    PULLB = 0xF0;
    OUTB = 0x0F;
    candidate = NO_KEY;
    reported = NO_KEY;
    stable_count = 0;
}

uint8 keypad_scan_raw(void)
{
    uint8 row;
    uint8 cols;
    uint8 found;
    uint8 col;

    found = NO_KEY;
    for (row = 0; row < 4; row++) {
        OUTB = (uint8)(0x0F & ~(1 << row));
        Nop();                  /* let the lines settle */
        Nop();
        cols = (uint8)(~PINB >> 4 & 0x0F);
        if (cols == 0)
            continue;
        if (found != NO_KEY || (cols & (cols - 1))) {
            OUTB = 0x0F;
            return NO_KEY;      /* more than one key: ignore all */
        }
        for (col = 0; !(cols & 1); col++)
            cols >>= 1;
        found = (uint8)(row * 4 + col);
    }
    OUTB = 0x0F;
    return found;
}

uint8 keypad_get(void)
{
    uint8 k;

    k = keypad_scan_raw();
    if (k != candidate) {
        candidate = k;
        stable_count = 0;
        return NO_KEY;
    }
    if (stable_count < STABLE_SCANS && ++stable_count == STABLE_SCANS) {
        if (k != reported) {
            reported = k;
            if (k != NO_KEY)
                return (uint8)keymap[k];
        }
    }
    return NO_KEY;
}

bool8 pin_enter(uint8 key)
{
    uint8 i;
    bool8 match;

    if (key == '*') {           /* clear */
        entered_len = 0;
        return FALSE;
    }
    if (key < '0' || key > '9' || entered_len == PIN_LEN)
        return FALSE;
    entered[entered_len++] = (char)key;
    if (entered_len < PIN_LEN)
        return FALSE;
    match = TRUE;
    for (i = 0; i < PIN_LEN; i++)
        if (entered[i] != secret[i])
            match = FALSE;
    entered_len = 0;
    if (!match)
        failures++;
    return match;
}

void main(void)
{
    uint8 key;
    uint16 unlock_ms;

    keypad_init();
    DIRC = 0;
    unlock_ms = 0;
    failures = 0;
    for (;;) {
        while (!INTFLG1bits.T2)
            ;
        INTFLG1bits.T2 = 0;     /* 5 ms scan period */
        key = keypad_get();
        if (key != NO_KEY && failures < MAX_ATTEMPTS && pin_enter(key)) {
            unlock_ms = 3000;
            failures = 0;
        }
        if (unlock_ms >= 5)
            unlock_ms -= 5;
        else
            unlock_ms = 0;
        OUTCbits.P0 = unlock_ms != 0;
        OUTCbits.P1 = failures >= MAX_ATTEMPTS;
    }
}
