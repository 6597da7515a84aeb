/*
 * cmd_parser.c - a line-oriented command interpreter for a service port.
 * A line is split into words in place; the first word selects a handler
 * from a table in program memory; numbers may be decimal, 0x hexadecimal
 * or 0b binary.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define MAX_ARGS   6
#define LINE_LEN   48

typedef uint8 (*handler_t)(uint8 argc, char *argv[]);

typedef struct {
    const rom char *name;
    handler_t handler;
    uint8 min_args;
    const rom char *help;
} command_t;

uint8 cmd_led(uint8 argc, char *argv[]);
uint8 cmd_poke(uint8 argc, char *argv[]);
uint8 cmd_peek(uint8 argc, char *argv[]);
uint8 cmd_help(uint8 argc, char *argv[]);
bool8 parse_number(const char *s, uint16 *value);
uint8 split_words(char *line, char *argv[], uint8 max);
uint8 execute_line(char *line);
void put_rom(const rom char *s);
void put_hex8(uint8 v);
void main(void);

static rom const command_t commands[] = {
    { "led",  cmd_led,  2, "led <0-7> <on|off>" },
    { "poke", cmd_poke, 3, "poke <addr> <value>" },
    { "peek", cmd_peek, 2, "peek <addr>" },
    { "help", cmd_help, 1, "help" }
};
#define COMMAND_COUNT  (sizeof commands / sizeof commands[0])

static uint8 shadow[16];        /* registers reachable by peek and poke */

void put_rom(const rom char *s)
{
    while (*s) {
        while (!USTATbits.TXRDY)
            ;
        UTXD = (uint8)*s++;
    }
}

void put_hex8(uint8 v)
{
    static rom const char digits[] = "0123456789ABCDEF";

    while (!USTATbits.TXRDY)
        ;
    UTXD = (uint8)digits[v >> 4];
    while (!USTATbits.TXRDY)
        ;
    UTXD = (uint8)digits[v & 0x0F];
}

static bool8 same_word(const char *a, const rom char *b)
{
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return *a == '\0' && *b == '\0';
}

bool8 parse_number(const char *s, uint16 *value)
{
    uint16 v;
    uint8 base;
    uint8 d;

    v = 0;
    base = 10;
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s += 2;
    } else if (s[0] == '0' && (s[1] == 'b' || s[1] == 'B')) {
        base = 2;
        s += 2;
    }
    if (*s == '\0')
        return FALSE;
    for (; *s; s++) {
        if (*s >= '0' && *s <= '9')
            d = (uint8)(*s - '0');
        else if (*s >= 'a' && *s <= 'f')
            d = (uint8)(*s - 'a' + 10);
        else if (*s >= 'A' && *s <= 'F')
            d = (uint8)(*s - 'A' + 10);
        else
            return FALSE;
        if (d >= base)
            return FALSE;
        v = (uint16)(v * base + d);
    }
    *value = v;
    return TRUE;
}

uint8 split_words(char *line, char *argv[], uint8 max)
{
    uint8 argc;

    argc = 0;
    for (;;) {
        while (*line == ' ' || *line == '\t')
            *line++ = '\0';
        if (*line == '\0' || argc == max)
            return argc;
        argv[argc++] = line;
        while (*line && *line != ' ' && *line != '\t')
            line++;
    }
}

uint8 cmd_led(uint8 argc, char *argv[])
{
    uint16 n;
    uint8 mask;

    if (!parse_number(argv[1], &n) || n > 7)
        return 2;
    mask = (uint8)(1 << n);
    if (argc > 2 && argv[2][1] == 'f')
        OUTB &= (uint8)~mask;
    else
        OUTB |= mask;
    return 0;
}

uint8 cmd_poke(uint8 argc, char *argv[])
{
    uint16 addr, value;

    (void)argc;
    if (!parse_number(argv[1], &addr) || !parse_number(argv[2], &value))
        return 2;
    if (addr >= sizeof shadow || value > 0xFF)
        return 3;
    shadow[addr] = (uint8)value;
    return 0;
}

uint8 cmd_peek(uint8 argc, char *argv[])
{
    uint16 addr;

    (void)argc;
    if (!parse_number(argv[1], &addr) || addr >= sizeof shadow)
        return 2;
    put_hex8(shadow[addr]);
    put_rom("\r\n");
    return 0;
}

uint8 cmd_help(uint8 argc, char *argv[])
{
    uint8 i;

    (void)argc;
    (void)argv;
    for (i = 0; i < COMMAND_COUNT; i++) {
        put_rom(commands[i].help);
        put_rom("\r\n");
    }
    return 0;
}

uint8 execute_line(char *line)
{
    char *argv[MAX_ARGS];
    uint8 argc;
    uint8 i;

    argc = split_words(line, argv, MAX_ARGS);
    if (argc == 0)
        return 0;
    for (i = 0; i < COMMAND_COUNT; i++) {
        if (same_word(argv[0], commands[i].name)) {
            if (argc < commands[i].min_args)
                return 1;
            return commands[i].handler(argc, argv);
        }
    }
    return 4;
}

void main(void)
{
    char line[LINE_LEN];
    uint8 len;
    uint8 c;
    uint8 result;

    DIRB = 0;
    UCTL = 0b10000011;          /* enabled, receive and transmit */
    len = 0;
    put_rom("ready\r\n");
    for (;;) {
        if (!USTATbits.RXAV)
            continue;
        c = URXD;
        if (c == '\r' || c == '\n') {
            line[len] = '\0';
            result = execute_line(line);
            put_rom(result == 0 ? "ok\r\n" : "error ");
            if (result != 0) {
                put_hex8(result);
                put_rom("\r\n");
            }
            len = 0;
        } else if (len < LINE_LEN - 1) {
            line[len++] = (char)c;
        }
    }
}
