/*
 * table_access.c - program-memory data beyond the first 64 KB: a message
 * catalogue and a font placed at a fixed address, reached through far
 * pointers, plus a raw table read of the device identification bytes in
 * the configuration space with the table pointer in assembly.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define MSG_COUNT  4

typedef struct {
    uint8 id;
    const far rom char *text;
} message_t;

uint8 rom_strlen(const far rom char *s);
void copy_from_rom(uint8 *dst, const far rom uint8 *src, uint8 n);
uint16 read_device_id(void);
const far rom char *message_text(uint8 id);
void main(void);

#pragma romdata far_strings=0x010000
static far rom const char msg_boot[] = "boot ok";
static far rom const char msg_low[] = "battery low";
static far rom const char msg_fault[] = "sensor fault";
static far rom const char msg_unknown[] = "?";
#pragma romdata

#pragma romdata far_tables
static far rom const message_t catalogue[MSG_COUNT] = {
    { 1, msg_boot }, { 2, msg_low }, { 7, msg_fault }, { 0, msg_unknown }
};
static far rom const uint8 font5x7_digit0[5] = { 0x3E, 0x51, 0x49, 0x45, 0x3E };
#pragma romdata

#pragma udata access id_bytes
static near uint8 id_low;
static near uint8 id_high;
#pragma udata

uint8 rom_strlen(const far rom char *s)
{
    uint8 n;

    n = 0;
    while (*s++ != '\0')
        n++;
    return n;
}

void copy_from_rom(uint8 *dst, const far rom uint8 *src, uint8 n)
{
    while (n--)
        *dst++ = *src++;
}

uint16 read_device_id(void)
{
    /* The identification word lives at 0x3FFFFE in configuration space. */
    _asm
        MOVLW 0x3F
        MOVWF TBLPTRU, ACCESS
        MOVLW 0xFF
        MOVWF TBLPTRH, ACCESS
        MOVLW 0xFE
        MOVWF TBLPTRL, ACCESS
        TBLRDPOSTINC
        MOVFF TABLAT, id_low
        TBLRD
        MOVFF TABLAT, id_high
    _endasm
    return MAKE_WORD(id_high, id_low);
}

const far rom char *message_text(uint8 id)
{
    uint8 i;

    for (i = 0; i < MSG_COUNT - 1; i++)
        if (catalogue[i].id == id)
            return catalogue[i].text;
    return catalogue[MSG_COUNT - 1].text;
}

static void send_far(const far rom char *s)
{
    while (*s) {
        while (!USTATbits.TXRDY)
            ;
        UTXD = (uint8)*s++;
    }
}

void main(void)
{
    uint8 glyph[5];
    uint16 id;

    UCTL = 0b10000001;
    send_far(message_text(1));
    id = read_device_id();
    DIRB = 0;
    OUTB = (uint8)(id >> 5);    /* the top 11 bits name the part */
    copy_from_rom(glyph, font5x7_digit0, sizeof glyph);
    OUTC = glyph[2];
    if (rom_strlen(message_text(7)) != 12)
        send_far(message_text(0));
    for (;;)
        ;
}
