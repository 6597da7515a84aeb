/*
 * crc16.c - CRC-16 with the polynomial x^16 + x^12 + x^5 + 1 (0x1021),
 * initial value 0xFFFF, computed bit by bit, with a 256-entry table in
 * program memory, and with the nibble table (32 bytes) for small parts.
 * The start-up self-test checks that the three agree on the check string.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define CRC_POLY   0x1021
#define CRC_INIT   0xFFFF
#define CRC_CHECK  0x29B1      /* CRC of "123456789" */

uint16 crc16_bitwise(uint16 crc, const uint8 *p, uint8 n);
uint16 crc16_table(uint16 crc, const uint8 *p, uint8 n);
uint16 crc16_nibble(uint16 crc, const uint8 *p, uint8 n);
uint16 crc16_rom_string(const rom char *s);
void crc16_make_table(void);
void main(void);

#pragma romdata crc_tables
static rom const uint16 crc_nibble_table[16] = {
    0x0000, 0x1021, 0x2042, 0x3063, 0x4084, 0x50A5, 0x60C6, 0x70E7,
    0x8108, 0x9129, 0xA14A, 0xB16B, 0xC18C, 0xD1AD, 0xE1CE, 0xF1EF
};
#pragma romdata

#pragma udata crc_ram_table
static uint16 crc_table[256];
#pragma udata

static bool8 table_ready;

uint16 crc16_bitwise(uint16 crc, const uint8 *p, uint8 n)
{
    uint8 bit;

    while (n--) {
        crc ^= (uint16)*p++ << 8;
        for (bit = 0; bit < 8; bit++) {
            if (crc & 0x8000)
                crc = (uint16)((crc << 1) ^ CRC_POLY);
            else
                crc <<= 1;
        }
    }
    return crc;
}

void crc16_make_table(void)
{
    uint16 i;
    uint8 one;

    for (i = 0; i < 256; i++) {
        one = (uint8)i;
        crc_table[i] = crc16_bitwise(0, &one, 1);
    }
    table_ready = TRUE;
}

uint16 crc16_table(uint16 crc, const uint8 *p, uint8 n)
{
    if (!table_ready)
        crc16_make_table();
    while (n--)
        crc = (uint16)((crc << 8) ^ crc_table[(uint8)(crc >> 8) ^ *p++]);
    return crc;
}

uint16 crc16_nibble(uint16 crc, const uint8 *p, uint8 n)
{
    uint8 b;

    while (n--) {
        b = *p++;
        crc = (uint16)((crc << 4) ^ crc_nibble_table[(uint8)(crc >> 12) ^ (b >> 4)]);
        crc = (uint16)((crc << 4) ^ crc_nibble_table[(uint8)(crc >> 12) ^ (b & 0x0F)]);
    }
    return crc;
}

uint16 crc16_rom_string(const rom char *s)
{
    uint16 crc;
    uint8 c;

    crc = CRC_INIT;
    while ((c = (uint8)*s++) != 0)
        crc = crc16_nibble(crc, &c, 1);
    return crc;
}

void main(void)
{
    static const uint8 check[9] = { '1', '2', '3', '4', '5', '6', '7', '8', '9' };
    uint16 a, b, c, d;
    uint8 faults;

    DIRA = 0x00;
    faults = 0;
    a = crc16_bitwise(CRC_INIT, check, sizeof check);
    b = crc16_table(CRC_INIT, check, sizeof check);
    c = crc16_nibble(CRC_INIT, check, sizeof check);
    d = crc16_rom_string("123456789");
    if (a != CRC_CHECK)
        faults |= 0b0001;
    if (b != a)
        faults |= 0b0010;
    if (c != a)
        faults |= 0b0100;
    if (d != a)
        faults |= 0b1000;
    OUTA = faults;
    for (;;)
        ;
}
