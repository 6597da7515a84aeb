/*
 * modbus_slave.c - the slave side of the Modbus RTU protocol on the serial
 * port: frames end after 3.5 character times of silence (timer 0), carry
 * a CRC-16 with the reflected polynomial 0xA001, and give access to a
 * block of holding registers with functions 3, 6 and 16.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define MY_ADDRESS       0x11
#define FRAME_MAX        64
#define HOLDING_COUNT    24

#define FN_READ_HOLDING  0x03
#define FN_WRITE_SINGLE  0x06
#define FN_WRITE_MULTI   0x10

#define EX_ILLEGAL_FN    0x01
#define EX_ILLEGAL_ADDR  0x02
#define EX_ILLEGAL_VALUE 0x03

uint16 mb_crc(const uint8 *p, uint8 n);
uint8 mb_process(uint8 *frame, uint8 len);
void mb_send(const uint8 *frame, uint8 len);
void high_isr(void);
void main(void);

#pragma udata mb_buffers
static uint8 rx_frame[FRAME_MAX];
static uint16 holding[HOLDING_COUNT];
#pragma udata

static volatile uint8 rx_len;
static volatile bool8 frame_ready;
static volatile bool8 frame_overrun;

uint16 mb_crc(const uint8 *p, uint8 n)
{
    uint16 crc;
    uint8 i;

    crc = 0xFFFF;
    while (n--) {
        crc ^= *p++;
        for (i = 0; i < 8; i++) {
            if (crc & 1)
                crc = (crc >> 1) ^ 0xA001;
            else
                crc >>= 1;
        }
    }
    return crc;
}

static uint8 exception(uint8 *frame, uint8 code)
{
    frame[1] |= 0x80;
    frame[2] = code;
    return 3;
}

static uint16 get16(const uint8 *p)
{
    return MAKE_WORD(p[0], p[1]);
}

uint8 mb_process(uint8 *frame, uint8 len)
{
    uint16 start, count, i;
    uint8 n;

    start = get16(frame + 2);
    count = get16(frame + 4);
    switch (frame[1]) {
    case FN_READ_HOLDING:
        if (len != 6 || count == 0 || count > 29)
            return exception(frame, EX_ILLEGAL_VALUE);
        if (start + count > HOLDING_COUNT)
            return exception(frame, EX_ILLEGAL_ADDR);
        frame[2] = (uint8)(count * 2);
        for (i = 0, n = 3; i < count; i++) {
            frame[n++] = HIGH_BYTE(holding[start + i]);
            frame[n++] = LOW_BYTE(holding[start + i]);
        }
        return n;
    case FN_WRITE_SINGLE:
        if (len != 6)
            return exception(frame, EX_ILLEGAL_VALUE);
        if (start >= HOLDING_COUNT)
            return exception(frame, EX_ILLEGAL_ADDR);
        holding[start] = count;     /* the value sits where a count would */
        return 6;                   /* echo of the request */
    case FN_WRITE_MULTI:
        if (len < 7 || count == 0 || frame[6] != count * 2 || len != 7 + frame[6])
            return exception(frame, EX_ILLEGAL_VALUE);
        if (start + count > HOLDING_COUNT)
            return exception(frame, EX_ILLEGAL_ADDR);
        for (i = 0; i < count; i++)
            holding[start + i] = get16(frame + 7 + 2 * i);
        return 6;
    default:
        return exception(frame, EX_ILLEGAL_FN);
    }
}

void mb_send(const uint8 *frame, uint8 len)
{
    OUTCbits.P5 = 1;            /* RS-485 driver on */
    while (len--) {
        while (!USTATbits.TXRDY)
            ;
        UTXD = *frame++;
    }
    while (!USTATbits.TIDLE)
        ;
    OUTCbits.P5 = 0;
}

#pragma interrupt high_isr nosave=PROD, TBLPTR, TBLPTRU, TABLAT
void high_isr(void)
{
    uint8 c;

    if (INTFLG1bits.URX) {
        c = URXD;
        if (!frame_ready) {
            if (rx_len < FRAME_MAX)
                rx_frame[rx_len++] = c;
            else
                frame_overrun = TRUE;
        }
        T0H = 0xFE;             /* restart the 3.5-character timer */
        T0L = 0x60;
        INTFLG1bits.T0 = 0;
        T0CTLbits.ON = 1;
    }
    if (INTFLG1bits.T0 && T0CTLbits.ON) {
        T0CTLbits.ON = 0;
        INTFLG1bits.T0 = 0;
        if (rx_len > 0)
            frame_ready = TRUE;
    }
}

void main(void)
{
    uint8 len;
    uint16 crc;

    DIRCbits.P5 = 0;
    UCTL = 0b10000011;
    T0CTL = 0;
    T0CTLbits.W16 = 1;
    INTEN1bits.URX = 1;
    INTEN1bits.T0 = 1;
    INTCTLbits.GIEH = 1;
    holding[0] = 0x0102;
    for (;;) {
        if (!frame_ready)
            continue;
        len = rx_len;
        if (!frame_overrun && len >= 4 && rx_frame[0] == MY_ADDRESS) {
            crc = mb_crc(rx_frame, (uint8)(len - 2));
            if (LOW_BYTE(crc) == rx_frame[len - 2] && HIGH_BYTE(crc) == rx_frame[len - 1]) {
                len = mb_process(rx_frame, (uint8)(len - 2));
                crc = mb_crc(rx_frame, len);
                rx_frame[len++] = LOW_BYTE(crc);
                rx_frame[len++] = HIGH_BYTE(crc);
                mb_send(rx_frame, len);
            }
        }
        INTCTLbits.GIEH = 0;
        rx_len = 0;
        frame_overrun = FALSE;
        frame_ready = FALSE;
        INTCTLbits.GIEH = 1;
        holding[1]++;           /* frames seen */
    }
}
