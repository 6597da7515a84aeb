/*
 * number_format.c - number output without a C library: binary to packed
 * BCD by shift-and-add-3, unsigned and signed decimal text, fixed-point
 * values with a decimal point, and hexadecimal dumps of memory, all
 * written into caller-supplied buffers.
 */
#include "hr_types.h"
#include "hr_regs.h"

uint24 bin16_to_bcd(uint16 v);
uint8 utoa10(uint16 v, char *out);
uint8 itoa10(int16 v, char *out);
uint8 fixed_to_text(int16 v, uint8 decimals, char *out);
uint8 hex_dump(const uint8 *p, uint8 n, char *out);
void uart_write(const char *s, uint8 n);
void main(void);

#pragma romdata
static rom const char hex_digits[16] = {
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'
};
#pragma romdata

uint24 bin16_to_bcd(uint16 v)
{
    uint24 bcd;
    uint8 i;
    uint8 nib;
    uint24 digit;

    bcd = 0;
    for (i = 0; i < 16; i++) {
        /* Add 3 to every BCD digit of 5 or more before the next shift. */
        for (nib = 0; nib < 20; nib += 4) {
            digit = (bcd >> nib) & 0x0F;
            if (digit >= 5)
                bcd += (uint24)3 << nib;
        }
        bcd = (bcd << 1) | ((v & 0x8000) ? 1 : 0);
        v <<= 1;
    }
    return bcd;
}

uint8 utoa10(uint16 v, char *out)
{
    uint24 bcd;
    uint8 n;
    int8 nib;
    bool8 started;

    bcd = bin16_to_bcd(v);
    n = 0;
    started = FALSE;
    for (nib = 16; nib >= 0; nib -= 4) {
        uint8 d;

        d = (uint8)((bcd >> nib) & 0x0F);
        if (d != 0 || started || nib == 0) {
            out[n++] = (char)('0' + d);
            started = TRUE;
        }
    }
    out[n] = '\0';
    return n;
}

uint8 itoa10(int16 v, char *out)
{
    if (v < 0) {
        out[0] = '-';
        /* -32768 has no positive int16; its magnitude fits uint16. */
        return (uint8)(1 + utoa10((uint16)(-(v + 1)) + 1, out + 1));
    }
    return utoa10((uint16)v, out);
}

uint8 fixed_to_text(int16 v, uint8 decimals, char *out)
{
    uint16 magnitude;
    uint16 divisor;
    uint16 fraction;
    uint8 n;
    uint8 i;

    n = 0;
    magnitude = (uint16)v;
    if (v < 0) {
        out[n++] = '-';
        magnitude = (uint16)(-(v + 1)) + 1;
    }
    divisor = 1;
    for (i = 0; i < decimals && i < 4; i++)
        divisor *= 10;
    n += utoa10(magnitude / divisor, out + n);
    if (i == 0)
        return n;
    out[n++] = '.';
    /* The fraction keeps its leading zeros: 5 hundredths is ".05". */
    fraction = magnitude % divisor;
    while (i-- > 0) {
        divisor /= 10;
        out[n++] = (char)('0' + fraction / divisor);
        fraction %= divisor;
    }
    out[n] = '\0';
    return n;
}

uint8 hex_dump(const uint8 *p, uint8 n, char *out)
{
    uint8 k;

    k = 0;
    while (n--) {
        out[k++] = hex_digits[*p >> 4];
        out[k++] = hex_digits[*p & 0x0F];
        out[k++] = n ? ' ' : '\0';
        p++;
    }
    return k;
}

void uart_write(const char *s, uint8 n)
{
    while (n--) {
        while (!USTATbits.TXRDY)
            ;
        UTXD = (uint8)*s++;
    }
}

void main(void)
{
    char text[24];
    uint8 len;
    uint8 errors;
    static const uint8 sample[4] = { 0xDE, 0xAD, 0x01, 0x7F };

    UCTL = 0b10000001;
    errors = 0;
    if (bin16_to_bcd(65535U) != 0x065535UL)
        errors++;
    len = itoa10(-32767 - 1, text);
    if (len != 6 || text[0] != '-' || text[5] != '8')
        errors++;
    uart_write(text, len);
    len = fixed_to_text(1234, 2, text);
    uart_write(text, len);
    len = hex_dump(sample, sizeof sample, text);
    uart_write(text, len);
    DIRB = 0;
    OUTB = errors;
    for (;;)
        ;
}
