/*
 * i2c_eeprom.c - I2C master driver and a two-wire serial EEPROM with 16-bit
 * addresses and 32-byte pages. Writes are split at page boundaries and each
 * page waits for the device by acknowledge polling.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define EE_ADDR        0xA0    /* 1010 000 R/W */
#define EE_PAGE        32
#define I2C_TIMEOUT    5000

typedef enum { I2C_OK = 0, I2C_NACK, I2C_TIMEOUT_ERR, I2C_COLLISION } i2c_status;

void i2c_init(uint8 brg);
i2c_status i2c_start(void);
i2c_status i2c_restart(void);
void i2c_stop(void);
i2c_status i2c_write(uint8 b);
uint8 i2c_read(bool8 ack);
i2c_status ee_read(uint16 addr, uint8 *dst, uint8 n);
i2c_status ee_write(uint16 addr, const uint8 *src, uint8 n);
void main(void);

static uint8 last_error;

void i2c_init(uint8 brg)
{
    DIRCbits.P3 = 1;            /* both lines inputs: the module drives them */
    DIRCbits.P4 = 1;
    I2CBRG = brg;
    I2CCTL = 0;
    I2CCTLbits.EN = 1;
}

static i2c_status wait_idle(void)
{
    uint16 n;

    for (n = 0; n < I2C_TIMEOUT; n++) {
        if (I2CSTATbits.BCL)
            return I2C_COLLISION;
        if (!I2CSTATbits.BUSY)
            return I2C_OK;
    }
    return I2C_TIMEOUT_ERR;
}

i2c_status i2c_start(void)
{
    I2CCTLbits.START = 1;
    return wait_idle();
}

i2c_status i2c_restart(void)
{
    I2CCTLbits.RSTART = 1;
    return wait_idle();
}

void i2c_stop(void)
{
    I2CCTLbits.STOP = 1;
    (void)wait_idle();
}

i2c_status i2c_write(uint8 b)
{
    i2c_status s;

    I2CBUF = b;
    s = wait_idle();
    if (s == I2C_OK && I2CSTATbits.ACKSTAT)
        s = I2C_NACK;
    return s;
}

uint8 i2c_read(bool8 ack)
{
    I2CCTLbits.RCEN = 1;
    (void)wait_idle();
    I2CCTLbits.ACKDT = ack ? 0 : 1;
    I2CCTLbits.ACKEN = 1;
    (void)wait_idle();
    return I2CBUF;
}

static i2c_status select_address(uint16 addr)
{
    i2c_status s;

    s = i2c_start();
    if (s == I2C_OK)
        s = i2c_write(EE_ADDR);
    if (s == I2C_OK)
        s = i2c_write(HIGH_BYTE(addr));
    if (s == I2C_OK)
        s = i2c_write(LOW_BYTE(addr));
    return s;
}

i2c_status ee_read(uint16 addr, uint8 *dst, uint8 n)
{
    i2c_status s;

    s = select_address(addr);
    if (s == I2C_OK)
        s = i2c_restart();
    if (s == I2C_OK)
        s = i2c_write(EE_ADDR | 1);
    while (s == I2C_OK && n > 0) {
        *dst++ = i2c_read(n > 1);
        n--;
    }
    i2c_stop();
    return s;
}

static i2c_status ack_poll(void)
{
    uint8 tries;
    i2c_status s;

    for (tries = 0; tries < 200; tries++) {
        s = i2c_start();
        if (s == I2C_OK)
            s = i2c_write(EE_ADDR);
        i2c_stop();
        if (s == I2C_OK)
            return I2C_OK;
    }
    return I2C_TIMEOUT_ERR;
}

i2c_status ee_write(uint16 addr, const uint8 *src, uint8 n)
{
    i2c_status s;
    uint8 chunk;

    s = I2C_OK;
    while (s == I2C_OK && n > 0) {
        chunk = (uint8)(EE_PAGE - (addr % EE_PAGE));
        if (chunk > n)
            chunk = n;
        s = select_address(addr);
        n -= chunk;
        addr += chunk;
        while (s == I2C_OK && chunk--)
            s = i2c_write(*src++);
        i2c_stop();
        if (s == I2C_OK)
            s = ack_poll();
    }
    if (s != I2C_OK)
        last_error = (uint8)s;
    return s;
}

void main(void)
{
    static const uint8 pattern[] = "settings v2";
    uint8 back[sizeof pattern];
    uint8 i;
    uint8 bad;

    i2c_init(39);               /* 100 kHz at 16 MHz */
    bad = 0;
    if (ee_write(0x001C, pattern, sizeof pattern) == I2C_OK &&
        ee_read(0x001C, back, sizeof back) == I2C_OK) {
        for (i = 0; i < sizeof pattern; i++)
            if (back[i] != pattern[i])
                bad++;
    } else {
        bad = 0xFF;
    }
    DIRB = 0;
    OUTB = bad | last_error;
    for (;;)
        ;
}
