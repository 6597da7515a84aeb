/*
 * checksums.c - the small integrity checks of a data logger: an 8-bit CRC
 * with the reflected polynomial 0x8C (as used on one-wire sensor buses), a
 * Fletcher-16 sum for log records, a two's-complement byte sum for
 * hexadecimal records, and a longitudinal parity (XOR) byte.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define RECORD_LEN  12

typedef struct {
    uint8 sensor;
    uint8 flags;
    uint16 value;
    uint32 timestamp;
    uint16 sequence;
    uint16 check;               /* Fletcher-16 of the bytes before it */
} log_record_t;

uint8 crc8_reflected(const uint8 *p, uint8 n);
uint16 fletcher16(const uint8 *p, uint8 n);
uint8 hex_record_sum(const uint8 *p, uint8 n);
uint8 xor_parity(const uint8 *p, uint8 n);
bool8 record_seal(log_record_t *r);
bool8 record_valid(const log_record_t *r);
void main(void);

uint8 crc8_reflected(const uint8 *p, uint8 n)
{
    uint8 crc;
    uint8 b;
    uint8 bit;

    crc = 0;
    while (n--) {
        b = *p++;
        for (bit = 8; bit != 0; bit--) {
            if ((crc ^ b) & 0x01)
                crc = (uint8)((crc >> 1) ^ 0x8C);
            else
                crc >>= 1;
            b >>= 1;
        }
    }
    return crc;
}

uint16 fletcher16(const uint8 *p, uint8 n)
{
    uint16 sum1;
    uint16 sum2;

    sum1 = 0;
    sum2 = 0;
    while (n--) {
        sum1 += *p++;
        if (sum1 >= 255)
            sum1 -= 255;
        sum2 += sum1;
        if (sum2 >= 255)
            sum2 -= 255;
    }
    return (uint16)((sum2 << 8) | sum1);
}

uint8 hex_record_sum(const uint8 *p, uint8 n)
{
    uint8 s;

    s = 0;
    while (n--)
        s += *p++;
    return (uint8)(~s + 1);     /* the record plus this byte sums to zero */
}

uint8 xor_parity(const uint8 *p, uint8 n)
{
    uint8 x;

    x = 0;
    while (n--)
        x ^= *p++;
    return x;
}

bool8 record_seal(log_record_t *r)
{
    if (sizeof *r != RECORD_LEN)
        return FALSE;
    r->check = fletcher16((const uint8 *)r, RECORD_LEN - 2);
    return TRUE;
}

bool8 record_valid(const log_record_t *r)
{
    return fletcher16((const uint8 *)r, RECORD_LEN - 2) == r->check;
}

void main(void)
{
    /* 64-bit ROM code of a sensor: family, serial, CRC in the last byte. */
    static const uint8 rom_code[8] = { 0x28, 0xFF, 0x4C, 0x1A, 0x62, 0x16, 0x03, 0x00 };
    static const uint8 hex_line[4] = { 0x03, 0x00, 0x30, 0x00 };
    log_record_t rec;
    uint8 status;

    status = 0;
    if (crc8_reflected(rom_code, 7) == rom_code[7])
        status |= 0x01;
    if (crc8_reflected(rom_code, 8) == 0)
        status |= 0x02;         /* a message with its CRC leaves zero */
    if ((uint8)(hex_record_sum(hex_line, 4) + 0x03 + 0x30) == 0)
        status |= 0x04;

    rec.sensor = 3;
    rec.flags = 0b10000001;
    rec.value = 0x1234;
    rec.timestamp = 86400UL * 365UL;
    rec.sequence = 77;
    if (record_seal(&rec) && record_valid(&rec))
        status |= 0x08;
    rec.value ^= 0x0100;        /* one bit flipped must be noticed */
    if (!record_valid(&rec))
        status |= 0x10;
    if (xor_parity((const uint8 *)&rec, RECORD_LEN) != 0)
        status |= 0x20;
    DIRB = 0;
    OUTB = status;
    for (;;)
        ;
}
