/*
 * eeprom_config.c - device settings kept in the data EEPROM as two copies
 * (A and B), each with a sequence number and a CRC-8. Saving writes the
 * older copy, so a power failure during a write always leaves one good
 * copy. Writes use the unlock sequence, which must not be interrupted.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define COPY_A_ADDR   0x00
#define COPY_B_ADDR   0x20
#define CONFIG_MAGIC  0x5A

typedef struct {
    uint8 magic;
    uint8 sequence;
    uint16 baud_div;
    uint8 address;
    uint8 flags;
    int16 offset;               /* calibration, sensor counts */
    uint16 gain;                /* Q4.12 */
    uint8 reserved[5];
    uint8 crc;
} config_t;

uint8 nvm_read(uint8 addr);
bool8 nvm_write(uint8 addr, uint8 value);
bool8 config_load(config_t *c);
bool8 config_save(config_t *c);
void config_defaults(config_t *c);
void main(void);

#pragma udata access nvm_access
static near uint8 nvm_saved_int;
#pragma udata

static uint8 crc8(const uint8 *p, uint8 n)
{
    uint8 crc;
    uint8 i;

    crc = 0xFF;
    while (n--) {
        crc ^= *p++;
        for (i = 0; i < 8; i++)
            crc = (uint8)(crc & 0x80 ? (crc << 1) ^ 0x31 : crc << 1);
    }
    return crc;
}

uint8 nvm_read(uint8 addr)
{
    NVMADRL = addr;
    NVMADRH = 0;
    NVMCTLbits.RD = 1;
    return NVMDAT;
}

bool8 nvm_write(uint8 addr, uint8 value)
{
    if (nvm_read(addr) == value)
        return TRUE;            /* spare the cell a write cycle */
    NVMADRL = addr;
    NVMADRH = 0;
    NVMDAT = value;
    NVMCTLbits.WREN = 1;
    nvm_saved_int = INTCTL;
    INTCTLbits.GIEH = 0;
    /* The key bytes and the write start must follow each other directly. */
    _asm
        MOVLW 0x55
        MOVWF NVMKEY, ACCESS
        MOVLW 0xAA
        MOVWF NVMKEY, ACCESS
        BSF NVMCTL, 1, ACCESS
    _endasm
    INTCTL = nvm_saved_int;
    while (NVMCTLbits.WR)
        ClrWdt();
    NVMCTLbits.WREN = 0;
    return !NVMCTLbits.ERR && nvm_read(addr) == value;
}

static bool8 read_copy(uint8 base, config_t *c)
{
    uint8 *p;
    uint8 i;

    p = (uint8 *)c;
    for (i = 0; i < sizeof *c; i++)
        p[i] = nvm_read((uint8)(base + i));
    return c->magic == CONFIG_MAGIC &&
           crc8((const uint8 *)c, sizeof *c - 1) == c->crc;
}

static bool8 write_copy(uint8 base, const config_t *c)
{
    const uint8 *p;
    uint8 i;

    p = (const uint8 *)c;
    for (i = 0; i < sizeof *c; i++)
        if (!nvm_write((uint8)(base + i), p[i]))
            return FALSE;
    return TRUE;
}

void config_defaults(config_t *c)
{
    uint8 i;

    c->magic = CONFIG_MAGIC;
    c->sequence = 0;
    c->baud_div = 207;          /* 19200 Bd */
    c->address = 1;
    c->flags = 0b00000101;
    c->offset = 0;
    c->gain = 0x1000;
    for (i = 0; i < sizeof c->reserved; i++)
        c->reserved[i] = 0xFF;
}

bool8 config_load(config_t *c)
{
    config_t b;
    bool8 a_ok;
    bool8 b_ok;

    a_ok = read_copy(COPY_A_ADDR, c);
    b_ok = read_copy(COPY_B_ADDR, &b);
    /* Newer means a sequence number ahead by less than half the range. */
    if (b_ok && (!a_ok || (int8)(b.sequence - c->sequence) > 0))
        *c = b;
    if (!a_ok && !b_ok) {
        config_defaults(c);
        return FALSE;
    }
    return TRUE;
}

bool8 config_save(config_t *c)
{
    config_t a, b;
    bool8 a_ok;
    uint8 target;

    a_ok = read_copy(COPY_A_ADDR, &a);
    target = COPY_A_ADDR;
    if (a_ok && (!read_copy(COPY_B_ADDR, &b) || (int8)(a.sequence - b.sequence) > 0))
        target = COPY_B_ADDR;   /* A is the newer one: overwrite B */
    c->sequence++;
    c->crc = crc8((const uint8 *)c, sizeof *c - 1);
    return write_copy(target, c);
}

void main(void)
{
    config_t cfg;

    DIRB = 0;
    OUTB = config_load(&cfg) ? 0x01 : 0x02;
    if (PINAbits.P3 == 0) {     /* calibration jumper fitted */
        cfg.offset = -12;
        cfg.gain = 0x1080;
        if (!config_save(&cfg))
            OUTB |= 0x80;
    }
    UBRGL = LOW_BYTE(cfg.baud_div);
    UBRGH = HIGH_BYTE(cfg.baud_div);
    for (;;)
        ;
}
