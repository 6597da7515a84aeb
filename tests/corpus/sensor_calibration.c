/*
 * sensor_calibration.c - a humidity and temperature sensor read over the
 * serial bus as raw 16-bit words, converted with floating-point
 * calibration polynomials kept in a named code section, and sent to a host
 * as packed binary frames. Unions give byte access to words and floats.
 */
#include "hr_types.h"
#include "hr_regs.h"

typedef union {
    uint16 word;
    struct {
        uint8 lo;
        uint8 hi;
    } bytes;
} word_bytes_t;

typedef union {
    float value;
    uint8 raw[4];
} float_bytes_t;

typedef struct {
    float c0, c1, c2;           /* y = c0 + c1 x + c2 x^2 */
} poly_t;

typedef enum { SENS_OK = 0, SENS_NO_ANSWER = 1, SENS_BAD_CRC = 2 } sens_status_t;

sens_status_t sensor_read(word_bytes_t *temp, word_bytes_t *hum);
float poly_eval(const rom poly_t *p, float x);
float dew_point(float t, float rh);
void send_frame(ram const uint8 *data, uint8 n);
void main(void);

#pragma romdata calib_data
static rom const poly_t temp_poly = { -45.0f, 175.0f / 65535.0f, 0.0f };
static rom const poly_t hum_poly = { -6.0f, 125.0f / 65535.0f, 0.0f };
#pragma romdata

static uint8 raw_frame[6];

static uint8 bus_read_byte(void)
{
    while (!USTATbits.RXAV)
        ;
    return URXD;
}

sens_status_t sensor_read(word_bytes_t *temp, word_bytes_t *hum)
{
    uint8 i;
    uint16 waited;

    UTXD = 0xE5;                /* measure command */
    for (i = 0; i < sizeof raw_frame; i++) {
        waited = 0;
        while (!USTATbits.RXAV)
            if (++waited == 40000U)
                goto no_answer;
        raw_frame[i] = bus_read_byte();
    }
    if ((uint8)(raw_frame[0] + raw_frame[1] + raw_frame[2] +
                raw_frame[3] + raw_frame[4]) != raw_frame[5])
        return SENS_BAD_CRC;
    temp->bytes.hi = raw_frame[0];
    temp->bytes.lo = raw_frame[1];
    hum->bytes.hi = raw_frame[2];
    hum->bytes.lo = raw_frame[3];
    return SENS_OK;

no_answer:
    UCTLbits.RXEN = 0;          /* flush a half-received frame */
    UCTLbits.RXEN = 1;
    return SENS_NO_ANSWER;
}

#pragma code calib_code
float poly_eval(const rom poly_t *p, float x)
{
    return p->c0 + x * (p->c1 + x * p->c2);
}

float dew_point(float t, float rh)
{
    float td;

    /* The simple rule Td = T - (100 - RH) / 5 is good to about a degree
       above 50 % relative humidity; below that it reads low, so the
       result is never allowed below the frost line of the sensor. */
    td = t - (100.0f - rh) / 5.0f;
    if (td < -40.0f)
        td = -40.0f;
    return td;
}
#pragma code

void send_frame(ram const uint8 *data, uint8 n)
{
    uint8 sum;

    sum = 0;
    while (!USTATbits.TXRDY)
        ;
    UTXD = 0xAA;
    while (n--) {
        sum += *data;
        while (!USTATbits.TXRDY)
            ;
        UTXD = *data++;
    }
    while (!USTATbits.TXRDY)
        ;
    UTXD = (uint8)-sum;
}

void main(void)
{
    word_bytes_t t_raw, h_raw;
    float_bytes_t out[3];
    uint8 frame[12];
    uint8 i, j;
    sens_status_t s;

    UCTL = 0b10000011;
    for (;;) {
        s = sensor_read(&t_raw, &h_raw);
        if (s != SENS_OK) {
            OUTBbits.P0 = 1;
            continue;
        }
        OUTBbits.P0 = 0;
        out[0].value = poly_eval(&temp_poly, (float)t_raw.word);
        out[1].value = poly_eval(&hum_poly, (float)h_raw.word);
        if (out[1].value > 100.0f)
            out[1].value = 100.0f;
        out[2].value = dew_point(out[0].value, out[1].value);
        for (i = 0; i < 3; i++)
            for (j = 0; j < 4; j++)
                frame[i * 4 + j] = out[i].raw[j];
        send_frame(frame, sizeof frame);
    }
}
