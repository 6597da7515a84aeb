/*
 * serial_loader.c - a boot loader kept in its own code section at the top
 * of the first 8 KB. It receives hexadecimal records over the serial port,
 * checks each record's sum, erases 64-byte rows and writes program memory
 * through the table latch, and refuses to overwrite itself. The application
 * starts at 0x200; the loader runs when the boot jumper is fitted or when
 * no application is present.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define LOADER_START   0x1C00UL
#define ROW_SIZE       64
#define REC_DATA       0x00
#define REC_EOF        0x01
#define REC_EXT_LINEAR 0x04

void loader_main(void);
uint8 hex_nibble(char c);
bool8 read_record(uint8 *rec, uint8 *len);
bool8 flash_write_row(uint24 addr, const uint8 *data);
void put_text(const rom char *s);
void main(void);

/* Shared with the application's own scratch area: the loader runs alone. */
#pragma udata overlay loader_scratch
static uint8 record[5 + ROW_SIZE];
static uint8 row[ROW_SIZE];
#pragma udata

#pragma idata access loader_flags
static near uint8 ack_char = '\x06';
static near uint8 nak_char = '\x15';
#pragma idata

#pragma udata access loader_near
static near uint8 tbl_upper;
static near uint8 tbl_high;
static near uint8 tbl_low;
static near uint8 row_count;
#pragma udata

/* The section address must be a literal: pragma lines are not expanded. */
#pragma code loader_code=0x1C00

uint8 hex_nibble(char c)
{
    if (c >= '0' && c <= '9')
        return (uint8)(c - '0');
    c |= 0x20;                  /* fold to lower case */
    if (c >= 'a' && c <= 'f')
        return (uint8)(c - 'a' + 10);
    return 0xFF;
}

static uint8 rx(void)
{
    while (!USTATbits.RXAV)
        ClrWdt();
    return URXD;
}

static bool8 rx_hex_byte(uint8 *b)
{
    uint8 hi, lo;

    hi = hex_nibble((char)rx());
    lo = hex_nibble((char)rx());
    if ((hi | lo) & 0xF0)
        return FALSE;
    *b = (uint8)(hi << 4 | lo);
    return TRUE;
}

bool8 read_record(uint8 *rec, uint8 *len)
{
    uint8 total;
    uint8 i;
    uint8 sum;

    while (rx() != ':')
        ;
    /* Length, address (2), type, data, checksum: the sum of all is zero. */
    if (!rx_hex_byte(&rec[0]) || rec[0] > ROW_SIZE)
        return FALSE;
    total = (uint8)(5 + rec[0]);
    sum = rec[0];
    for (i = 1; i < total; i++) {
        if (!rx_hex_byte(&rec[i]))
            return FALSE;
        sum += rec[i];
    }
    *len = total;
    return sum == 0;
}

bool8 flash_write_row(uint24 addr, const uint8 *data)
{
    uint8 i;

    if (addr >= LOADER_START)
        return FALSE;           /* never overwrite the loader */
    tbl_upper = (uint8)(addr >> 16);
    tbl_high = (uint8)(addr >> 8);
    tbl_low = (uint8)addr;
    INTCTLbits.GIEH = 0;
    _asm
        MOVFF tbl_upper, TBLPTRU
        MOVFF tbl_high, TBLPTRH
        MOVFF tbl_low, TBLPTRL
    _endasm
    /* Erase the row, then fill the holding registers and write them. */
    NVMCTL = 0b10010100;
    _asm
        MOVLW 0x55
        MOVWF NVMKEY, ACCESS
        MOVLW 0xAA
        MOVWF NVMKEY, ACCESS
        BSF NVMCTL, 1, ACCESS
        TBLRDPOSTDEC
    _endasm
    for (i = 0; i < ROW_SIZE; i++) {
        row_count = data[i];
        _asm
            MOVFF row_count, TABLAT
            TBLWTPREINC
        _endasm
    }
    NVMCTL = 0b10000100;
    _asm
        MOVLW 0x55
        MOVWF NVMKEY, ACCESS
        MOVLW 0xAA
        MOVWF NVMKEY, ACCESS
        BSF NVMCTL, 1, ACCESS
    _endasm
    NVMCTLbits.WREN = 0;
    INTCTLbits.GIEH = 1;
    return !NVMCTLbits.ERR;
}

void put_text(const rom char *s)
{
    while (*s) {
        while (!USTATbits.TXRDY)
            ;
        UTXD = (uint8)*s++;
    }
}

void loader_main(void)
{
    uint8 len;
    uint8 i;
    uint16 upper;
    uint24 addr;

    UCTL = 0b10000011;
    put_text("\r\nloader\r\n");
    upper = 0;
    for (;;) {
        if (!read_record(record, &len)) {
            UTXD = nak_char;
            continue;
        }
        switch (record[3]) {
        case REC_EXT_LINEAR:
            upper = MAKE_WORD(record[4], record[5]);
            break;
        case REC_DATA:
            addr = ((uint24)upper << 16) | MAKE_WORD(record[1], record[2]);
            /* Records are assumed row-aligned and a full row long. */
            for (i = 0; i < ROW_SIZE; i++)
                row[i] = i < record[0] ? record[4 + i] : 0xFF;
            if (!flash_write_row(addr, row)) {
                UTXD = nak_char;
                continue;
            }
            break;
        case REC_EOF:
            UTXD = ack_char;
            Reset();
            break;
        default:
            break;
        }
        UTXD = ack_char;
    }
}
#pragma code

#define APP_START  0x000200UL

void main(void)
{
    const far rom uint8 *app;

    app = (const far rom uint8 *)APP_START;
    PULLB |= 0x80;
    if (PINBbits.P7 == 0 || (app[0] == 0xFF && app[1] == 0xFF))
        loader_main();          /* never returns */
    _asm
        GOTO 0x200
    _endasm
}
