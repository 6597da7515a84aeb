/*
 * lcd_text.c - a 2x16 character display module driven through a 4-bit
 * bus on port C (data on bits 4..7, RS on bit 0, E on bit 1). Busy-flag
 * reading is not wired, so the driver waits the worst-case times with
 * calibrated delay loops written in assembly.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define LCD_RS    OUTCbits.P0
#define LCD_E     OUTCbits.P1

#define CMD_CLEAR        0x01
#define CMD_ENTRY_INC    0x06
#define CMD_DISPLAY_ON   0x0C
#define CMD_FUNC_4BIT_2L 0x28
#define CMD_SET_CGRAM    0x40
#define CMD_SET_DDRAM    0x80

void delay_us10(uint8 n);
void delay_ms(uint8 n);
void lcd_init(void);
void lcd_command(uint8 c);
void lcd_data(uint8 d);
void lcd_goto(uint8 row, uint8 col);
void lcd_puts(const rom char *s);
void lcd_put_uint(uint16 v);
void lcd_define_char(uint8 code, const rom uint8 *rows);
void main(void);

#pragma udata access delay_vars
near uint8 delay_count;         /* used only by the assembly below */
static near uint8 delay_outer;
#pragma udata

/* A degree sign and a bar-graph block for the custom character RAM. */
#pragma romdata lcd_glyphs
static rom const uint8 glyph_degree[8] = {
    0b01100, 0b10010, 0b10010, 0b01100, 0b00000, 0b00000, 0b00000, 0b00000
};
static rom const uint8 glyph_block[8] = {
    0b11111, 0b11111, 0b11111, 0b11111, 0b11111, 0b11111, 0b11111, 0b00000
};
#pragma romdata

void delay_us10(uint8 n)
{
    /* 10 us per count at 4 MIPS: 38 cycles of loop plus the call. */
    delay_outer = n;
    _asm
    outer_loop:
        MOVLW 12
        MOVWF delay_count, ACCESS
    inner_loop:
        DECFSZ delay_count, F, ACCESS
        BRA inner_loop
        DECFSZ delay_outer, F, ACCESS
        BRA outer_loop
    _endasm
}

void delay_ms(uint8 n)
{
    while (n--)
        delay_us10(100);
}

static void pulse_nibble(uint8 nibble)
{
    OUTC = (uint8)((OUTC & 0x0F) | (nibble << 4));
    LCD_E = 1;
    Nop();
    Nop();
    LCD_E = 0;
}

static void write_byte(uint8 b)
{
    pulse_nibble((uint8)(b >> 4));
    pulse_nibble((uint8)(b & 0x0F));
    delay_us10(5);              /* most instructions take 37 us */
}

void lcd_command(uint8 c)
{
    LCD_RS = 0;
    write_byte(c);
    if (c == CMD_CLEAR)
        delay_ms(2);
}

void lcd_data(uint8 d)
{
    LCD_RS = 1;
    write_byte(d);
}

void lcd_init(void)
{
    DIRC = 0x00;
    OUTC = 0x00;
    delay_ms(40);
    /* Three times "8-bit mode" to resynchronise from any state. */
    pulse_nibble(0x3);
    delay_ms(5);
    pulse_nibble(0x3);
    delay_us10(15);
    pulse_nibble(0x3);
    delay_us10(15);
    pulse_nibble(0x2);
    lcd_command(CMD_FUNC_4BIT_2L);
    lcd_command(CMD_DISPLAY_ON);
    lcd_command(CMD_ENTRY_INC);
    lcd_command(CMD_CLEAR);
}

void lcd_goto(uint8 row, uint8 col)
{
    lcd_command((uint8)(CMD_SET_DDRAM | (row ? 0x40 : 0x00) | (col & 0x0F)));
}

void lcd_puts(const rom char *s)
{
    while (*s)
        lcd_data((uint8)*s++);
}

void lcd_put_uint(uint16 v)
{
    char digits[5];
    uint8 n;

    n = 0;
    do {
        digits[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n > 0)
        lcd_data((uint8)digits[--n]);
}

void lcd_define_char(uint8 code, const rom uint8 *rows)
{
    uint8 i;

    lcd_command((uint8)(CMD_SET_CGRAM | ((code & 7) << 3)));
    for (i = 0; i < 8; i++)
        lcd_data(rows[i]);
    lcd_command(CMD_SET_DDRAM);
}

void main(void)
{
    uint16 temp;
    uint8 bar;
    uint8 i;

    lcd_init();
    lcd_define_char(0, glyph_degree);
    lcd_define_char(1, glyph_block);
    lcd_puts("Oven ");
    temp = 0;
    for (;;) {
        lcd_goto(0, 5);
        lcd_put_uint(temp);
        lcd_data(0);            /* degree sign */
        lcd_puts("C   ");
        lcd_goto(1, 0);
        bar = (uint8)(temp / 16);
        for (i = 0; i < 16; i++)
            lcd_data(i < bar ? 1 : ' ');
        delay_ms(250);
        temp = temp < 250 ? temp + 5 : 0;
    }
}
