/*
 * packet_fsm.c - the receive state machine of a framed serial link:
 * frames start with 0x7E, special bytes inside are escaped with 0x7D and
 * XOR 0x20, and a frame carries a type, a length, the payload and an
 * additive checksum. Complete frames are handed to a dispatcher.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define FLAG        0x7E
#define ESCAPE      0x7D
#define ESC_XOR     0x20
#define PAYLOAD_MAX 32

typedef enum {
    RX_HUNT,                    /* waiting for a flag */
    RX_TYPE,
    RX_LENGTH,
    RX_PAYLOAD,
    RX_CHECK
} rx_state_t;

typedef struct {
    rx_state_t state;
    bool8 escaped;
    uint8 type;
    uint8 length;
    uint8 count;
    uint8 sum;
    uint8 payload[PAYLOAD_MAX];
    uint16 good;
    uint16 bad_check;
    uint16 too_long;
} receiver_t;

void rx_reset(receiver_t *r);
void rx_byte(receiver_t *r, uint8 b);
void frame_dispatch(uint8 type, const uint8 *payload, uint8 len);
uint8 frame_encode(uint8 type, const uint8 *payload, uint8 len, uint8 *out);
void main(void);

#pragma udata link_rx
static receiver_t link;
#pragma udata

static uint8 last_command;

void rx_reset(receiver_t *r)
{
    r->state = RX_HUNT;
    r->escaped = FALSE;
    r->count = 0;
    r->sum = 0;
}

static void rx_data(receiver_t *r, uint8 b)
{
    switch (r->state) {
    case RX_TYPE:
        r->type = b;
        r->sum = b;
        r->state = RX_LENGTH;
        break;
    case RX_LENGTH:
        if (b > PAYLOAD_MAX) {
            r->too_long++;
            rx_reset(r);
            break;
        }
        r->length = b;
        r->sum += b;
        r->count = 0;
        r->state = b == 0 ? RX_CHECK : RX_PAYLOAD;
        break;
    case RX_PAYLOAD:
        r->payload[r->count++] = b;
        r->sum += b;
        if (r->count == r->length)
            r->state = RX_CHECK;
        break;
    case RX_CHECK:
        if ((uint8)(r->sum + b) == 0) {
            r->good++;
            frame_dispatch(r->type, r->payload, r->length);
        } else {
            r->bad_check++;
        }
        rx_reset(r);
        break;
    default:
        break;
    }
}

void rx_byte(receiver_t *r, uint8 b)
{
    if (b == FLAG) {
        /* A flag always starts a new frame, whatever came before. */
        rx_reset(r);
        r->state = RX_TYPE;
        return;
    }
    if (r->state == RX_HUNT)
        return;
    if (b == ESCAPE) {
        r->escaped = TRUE;
        return;
    }
    if (r->escaped) {
        b ^= ESC_XOR;
        r->escaped = FALSE;
    }
    rx_data(r, b);
}

void frame_dispatch(uint8 type, const uint8 *payload, uint8 len)
{
    last_command = type;
    switch (type) {
    case 0x01:                  /* set outputs */
        if (len >= 1)
            OUTB = payload[0];
        break;
    case 0x02:                  /* set PWM duty */
        if (len >= 2) {
            PWM1DH = payload[0];
            PWM1DL = payload[1];
        }
        break;
    default:
        break;
    }
}

static uint8 put_escaped(uint8 *out, uint8 n, uint8 b)
{
    if (b == FLAG || b == ESCAPE) {
        out[n++] = ESCAPE;
        b ^= ESC_XOR;
    }
    out[n++] = b;
    return n;
}

uint8 frame_encode(uint8 type, const uint8 *payload, uint8 len, uint8 *out)
{
    uint8 n;
    uint8 sum;
    uint8 i;

    n = 0;
    out[n++] = FLAG;
    n = put_escaped(out, n, type);
    n = put_escaped(out, n, len);
    sum = (uint8)(type + len);
    for (i = 0; i < len; i++) {
        n = put_escaped(out, n, payload[i]);
        sum += payload[i];
    }
    return put_escaped(out, n, (uint8)-sum);
}

void main(void)
{
    uint8 wire[2 * PAYLOAD_MAX + 8];
    uint8 data[3];
    uint8 n;
    uint8 i;

    DIRB = 0;
    rx_reset(&link);
    /* Loop-back self-test with bytes that need escaping. */
    data[0] = 0x7E;
    data[1] = 0x7D;
    data[2] = 0x55;
    n = frame_encode(0x01, data, 3, wire);
    for (i = 0; i < n; i++)
        rx_byte(&link, wire[i]);
    OUTC = (uint8)(link.good == 1 && OUTB == 0x7E);
    for (;;) {
        if (USTATbits.RXAV)
            rx_byte(&link, URXD);
    }
}
