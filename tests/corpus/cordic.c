/*
 * cordic.c - sine and cosine by CORDIC rotation in Q2.14 fixed point, with
 * the arctangent table in program memory. Angles are binary: 0x10000 is a
 * full turn, so a 16-bit angle wraps by itself.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define ITERATIONS   14
#define CORDIC_K     0x26DD     /* 0.607253 in Q2.14: the gain correction */
#define QUARTER      0x4000

typedef struct {
    int16 cos;
    int16 sin;
} vector_t;

void cordic_sincos(uint16 angle, vector_t *out);
int16 cordic_sin(uint16 angle);
uint16 cordic_atan2(int16 y, int16 x);
void main(void);

/* atan(2^-i) in binary angle units (0x10000 per turn). */
#pragma romdata cordic_table
static rom const uint16 atan_table[ITERATIONS] = {
    0x2000, 0x12E4, 0x09FB, 0x0511, 0x028B, 0x0146, 0x00A3,
    0x0051, 0x0029, 0x0014, 0x000A, 0x0005, 0x0003, 0x0001
};
#pragma romdata

void cordic_sincos(uint16 angle, vector_t *out)
{
    int16 x, y, t;
    int16 z;
    uint8 i;
    bool8 flip;

    /* Rotate into -90..+90 degrees; remember to negate both results. */
    flip = FALSE;
    if (angle > QUARTER && angle < 3 * QUARTER) {
        angle += 2 * QUARTER;
        flip = TRUE;
    }
    z = (int16)angle;
    x = CORDIC_K;
    y = 0;
    for (i = 0; i < ITERATIONS; i++) {
        t = x;
        if (z >= 0) {
            x -= y >> i;
            y += t >> i;
            z -= (int16)atan_table[i];
        } else {
            x += y >> i;
            y -= t >> i;
            z += (int16)atan_table[i];
        }
    }
    if (flip) {
        x = -x;
        y = -y;
    }
    out->cos = x;
    out->sin = y;
}

int16 cordic_sin(uint16 angle)
{
    vector_t v;

    cordic_sincos(angle, &v);
    return v.sin;
}

uint16 cordic_atan2(int16 y, int16 x)
{
    uint16 angle;
    int16 t;
    uint8 i;

    angle = 0;
    if (x < 0) {                /* vectoring mode needs x >= 0 */
        x = -x;
        y = -y;
        angle = 2 * QUARTER;
    }
    for (i = 0; i < ITERATIONS; i++) {
        t = x;
        if (y > 0) {
            x += y >> i;
            y -= t >> i;
            angle += atan_table[i];
        } else {
            x -= y >> i;
            y += t >> i;
            angle -= atan_table[i];
        }
    }
    return angle;
}

void main(void)
{
    vector_t v;
    uint16 a;
    uint16 back;
    int16 worst;
    int16 diff;

    DIRB = 0;
    DIRC = 0;
    worst = 0;
    for (a = 0; a < 0xFF00; a += 0x0400) {
        cordic_sincos(a, &v);
        back = cordic_atan2(v.sin, v.cos);
        diff = (int16)(back - a);
        if (diff < 0)
            diff = -diff;
        if (diff > worst)
            worst = diff;
        OUTB = HIGH_BYTE(v.sin);
    }
    OUTC = (uint8)worst;        /* round-trip error in angle units */
    for (;;)
        ;
}
