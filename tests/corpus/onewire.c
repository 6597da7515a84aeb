/*
 * onewire.c - a single-wire bus on port A bit 5 with an external pull-up:
 * reset and presence detection, bit and byte transfers with timing from
 * assembly delay loops, a ROM search over all devices on the bus, and the
 * reading of temperature sensors in 1/16 degree units.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define MAX_DEVICES   4
#define CMD_SEARCH    0xF0
#define CMD_SKIP      0xCC
#define CMD_MATCH     0x55
#define CMD_CONVERT   0x44
#define CMD_READ_PAD  0xBE

typedef struct {
    uint8 code[8];
} rom_code_t;

void ow_delay(uint8 units);
bool8 ow_reset(void);
void ow_write_bit(uint8 bit);
uint8 ow_read_bit(void);
void ow_write(uint8 b);
uint8 ow_read(void);
uint8 ow_search(rom_code_t *found, uint8 max);
int16 ow_read_temperature(const rom_code_t *dev);
void main(void);

#pragma udata access ow_timing
static near uint8 ow_loops;
#pragma udata

#pragma udata ow_devices
static rom_code_t devices[MAX_DEVICES];
#pragma udata

void ow_delay(uint8 units)
{
    /* One unit is about 4 us at 4 MIPS (16 cycles). */
    ow_loops = units;
    _asm
    again:
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        NOP
        DECFSZ ow_loops, 1, 0
        BRA again
    _endasm
}

bool8 ow_reset(void)
{
    bool8 present;

    OUTAbits.P5 = 0;
    DIRAbits.P5 = 0;            /* drive low for 480 us */
    ow_delay(120);
    DIRAbits.P5 = 1;            /* release; a device answers after 15-60 us */
    ow_delay(17);
    present = PINAbits.P5 == 0;
    ow_delay(103);
    return present;
}

void ow_write_bit(uint8 bit)
{
    INTCTLbits.GIEH = 0;
    DIRAbits.P5 = 0;
    if (bit) {
        ow_delay(1);
        DIRAbits.P5 = 1;
        ow_delay(15);
    } else {
        ow_delay(15);
        DIRAbits.P5 = 1;
        ow_delay(1);
    }
    INTCTLbits.GIEH = 1;
}

uint8 ow_read_bit(void)
{
    uint8 bit;

    INTCTLbits.GIEH = 0;
    DIRAbits.P5 = 0;
    Nop();
    DIRAbits.P5 = 1;
    ow_delay(2);
    bit = PINAbits.P5;
    INTCTLbits.GIEH = 1;
    ow_delay(12);
    return bit;
}

void ow_write(uint8 b)
{
    uint8 i;

    for (i = 0; i < 8; i++, b >>= 1)
        ow_write_bit(b & 1);
}

uint8 ow_read(void)
{
    uint8 i;
    uint8 b;

    b = 0;
    for (i = 0; i < 8; i++)
        b = (uint8)((b >> 1) | (ow_read_bit() << 7));
    return b;
}

uint8 ow_search(rom_code_t *found, uint8 max)
{
    uint8 count;
    uint8 last_conflict;
    uint8 conflict;
    uint8 bit_no;
    uint8 a, b, dir;
    uint8 code[8];

    count = 0;
    last_conflict = 0;
    do {
        if (!ow_reset())
            return count;
        ow_write(CMD_SEARCH);
        conflict = 0;
        for (bit_no = 1; bit_no <= 64; bit_no++) {
            a = ow_read_bit();
            b = ow_read_bit();
            if (a && b)
                return count;   /* nobody answered */
            if (a != b) {
                dir = a;
            } else {
                /* Both values present: take 1 at the last branch point,
                   the previous path before it, and 0 after it. */
                if (bit_no < last_conflict)
                    dir = (uint8)((code[(bit_no - 1) >> 3] >> ((bit_no - 1) & 7)) & 1);
                else
                    dir = bit_no == last_conflict;
                if (!dir)
                    conflict = bit_no;
            }
            if (dir)
                code[(bit_no - 1) >> 3] |= (uint8)(1 << ((bit_no - 1) & 7));
            else
                code[(bit_no - 1) >> 3] &= (uint8)~(1 << ((bit_no - 1) & 7));
            ow_write_bit(dir);
        }
        for (a = 0; a < 8; a++)
            found[count].code[a] = code[a];
        count++;
        last_conflict = conflict;
    } while (last_conflict != 0 && count < max);
    return count;
}

int16 ow_read_temperature(const rom_code_t *dev)
{
    uint8 i;
    uint8 lo, hi;

    if (!ow_reset())
        return -32767;
    ow_write(CMD_MATCH);
    for (i = 0; i < 8; i++)
        ow_write(dev->code[i]);
    ow_write(CMD_READ_PAD);
    lo = ow_read();
    hi = ow_read();
    return (int16)MAKE_WORD(hi, lo);
}

void main(void)
{
    uint8 n;
    uint8 i;
    int16 t;

    DIRC = 0;
    n = ow_search(devices, MAX_DEVICES);
    for (;;) {
        if (ow_reset()) {
            ow_write(CMD_SKIP);
            ow_write(CMD_CONVERT);  /* all sensors at once */
        }
        for (i = 0; i < 250; i++)
            ow_delay(250);      /* 750 ms conversion, with margin */
        for (i = 0; i < n; i++) {
            t = ow_read_temperature(&devices[i]);
            OUTC = (uint8)(t >> 4);
        }
    }
}
