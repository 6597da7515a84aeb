/*
 * terminal_menu.c - a menu on a serial terminal: text lives in program
 * memory and is copied into data memory only where it must be edited.
 * Helpers exist for both address spaces (ram and rom pointers), and screen
 * control uses escape sequences written with character escapes.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define ESC         '\x1B'
#define NAME_LEN    12
#define MENU_ITEMS  4

typedef struct {
    char key;
    const rom char *label;
} menu_item_t;

uint8 strlen_ram(const ram char *s);
uint8 strlen_rom(const rom char *s);
void strcpy_rom2ram(ram char *dst, const rom char *src, uint8 max);
int8 strcmp_ram_rom(const ram char *a, const rom char *b);
void term_putc(char c);
void term_puts_ram(const ram char *s);
void term_puts_rom(const rom char *s);
void term_clear(void);
void term_goto(uint8 row, uint8 col);
void main(void);

#pragma romdata menu_text
static rom const char title[] = "\tUnit setup\r\n";
static rom const char default_name[] = "station-01";
static rom const menu_item_t items[MENU_ITEMS] = {
    { '1', "Show name" },
    { '2', "Reset name" },
    { '3', "Toggle relay" },
    { 'q', "Quit" }
};
#pragma romdata

static ram char unit_name[NAME_LEN + 1];

uint8 strlen_ram(const ram char *s)
{
    const ram char *p;

    for (p = s; *p; p++)
        ;
    return (uint8)(p - s);
}

uint8 strlen_rom(const rom char *s)
{
    uint8 n;

    for (n = 0; s[n] != '\0'; n++)
        ;
    return n;
}

void strcpy_rom2ram(ram char *dst, const rom char *src, uint8 max)
{
    while (max-- > 0 && (*dst = *src) != '\0') {
        dst++;
        src++;
    }
    *dst = '\0';
}

int8 strcmp_ram_rom(const ram char *a, const rom char *b)
{
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return (int8)((uint8)*a - (uint8)*b);
}

void term_putc(char c)
{
    while (!USTATbits.TXRDY)
        ;
    UTXD = (uint8)c;
}

void term_puts_ram(const ram char *s)
{
    while (*s)
        term_putc(*s++);
}

void term_puts_rom(const rom char *s)
{
    while (*s)
        term_putc(*s++);
}

void term_clear(void)
{
    term_putc(ESC);
    term_puts_rom("[2J");
    term_goto(1, 1);
}

void term_goto(uint8 row, uint8 col)
{
    term_putc(ESC);
    term_putc('[');
    if (row >= 10)
        term_putc((char)('0' + row / 10));
    term_putc((char)('0' + row % 10));
    term_putc(';');
    if (col >= 10)
        term_putc((char)('0' + col / 10));
    term_putc((char)('0' + col % 10));
    term_putc('H');
}

static void show_menu(void)
{
    uint8 i;

    term_clear();
    term_puts_rom(title);
    for (i = 0; i < MENU_ITEMS; i++) {
        term_goto((uint8)(3 + i), 4);
        term_putc(items[i].key);
        term_puts_rom(") ");
        term_puts_rom(items[i].label);
    }
    term_goto(8, 1);
    term_puts_rom("> ");
}

void main(void)
{
    char c;

    UCTL = 0b10000011;
    DIRCbits.P2 = 0;
    strcpy_rom2ram(unit_name, default_name, NAME_LEN);
    for (;;) {
        show_menu();
        while (!USTATbits.RXAV)
            ;
        c = (char)URXD;
        term_goto(10, 1);
        switch (c) {
        case '1':
            term_puts_ram(unit_name);
            term_puts_rom(strcmp_ram_rom(unit_name, default_name) == 0 ?
                          " (default)" : " (changed)");
            break;
        case '2':
            strcpy_rom2ram(unit_name, default_name, NAME_LEN);
            term_puts_rom("name reset");
            break;
        case '3':
            OUTCbits.P2 = !OUTCbits.P2;
            term_puts_rom(OUTCbits.P2 ? "relay on" : "relay off");
            break;
        case 'q':
            term_puts_rom("bye\a");
            for (;;)
                Sleep();
        default:
            term_putc('?');
            break;
        }
        if (strlen_ram(unit_name) != strlen_rom(default_name))
            unit_name[0] = '*';
    }
}
