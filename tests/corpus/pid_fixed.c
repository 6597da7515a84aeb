/*
 * pid_fixed.c - PID temperature controller in fixed point. Gains are Q8.8,
 * the integrator is a 24-bit accumulator clamped against wind-up, the
 * derivative acts on the measurement (no kick on set-point changes) and the
 * output is a heater duty of 0..1000 per mille.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define Q8_ONE        256
#define OUT_MIN       0
#define OUT_MAX       1000
#define I_LIMIT       ((int24)OUT_MAX * Q8_ONE)

typedef struct {
    int16 kp;                   /* Q8.8 */
    int16 ki;                   /* Q8.8 per sample */
    int16 kd;                   /* Q8.8 per sample */
    int24 integral;             /* Q8.8 scaled output units */
    int16 last_input;
    int16 setpoint;             /* tenths of a degree */
    int16 output;
} pid_ctl_t;

void pid_init(pid_ctl_t *p, int16 kp, int16 ki, int16 kd);
int16 pid_update(pid_ctl_t *p, int16 input);
int24 mul_q8(int16 a, int16 b);
int16 clamp16(int24 v, int16 lo, int16 hi);
void main(void);

static pid_ctl_t loop;

int24 mul_q8(int16 a, int16 b)
{
    int32 r;

    r = (int32)a * (int32)b;
    return (int24)(r >> 8);
}

int16 clamp16(int24 v, int16 lo, int16 hi)
{
    if (v < lo)
        return lo;
    if (v > hi)
        return hi;
    return (int16)v;
}

void pid_init(pid_ctl_t *p, int16 kp, int16 ki, int16 kd)
{
    p->kp = kp;
    p->ki = ki;
    p->kd = kd;
    p->integral = 0;
    p->last_input = 0;
    p->setpoint = 0;
    p->output = 0;
}

int16 pid_update(pid_ctl_t *p, int16 input)
{
    int16 error;
    int16 d_input;
    int24 out;

    error = p->setpoint - input;
    d_input = input - p->last_input;
    p->last_input = input;

    p->integral += (int24)error * p->ki;
    if (p->integral > I_LIMIT)
        p->integral = I_LIMIT;
    else if (p->integral < -I_LIMIT)
        p->integral = -I_LIMIT;

    out = mul_q8(p->kp, error) + (p->integral >> 8) - mul_q8(p->kd, d_input);
    p->output = clamp16(out, OUT_MIN, OUT_MAX);
    return p->output;
}

static int16 read_temperature(void)
{
    uint16 raw;

    ADCCTL0bits.CHS = 2;
    ADCCTL0bits.GO = 1;
    while (ADCCTL0bits.GO)
        ;
    raw = MAKE_WORD(ADCRESH, ADCRESL);
    /* 10 mV per degree, 5 V reference: tenths = raw * 4.88 */
    return (int16)(((uint32)raw * 625UL) >> 7);
}

static void heater_duty(int16 per_mille)
{
    uint16 d;

    d = (uint16)(((uint32)per_mille * 799UL) / 1000UL);
    PWM1DL = LOW_BYTE(d);
    PWM1DH = HIGH_BYTE(d);
}

void main(void)
{
    int16 t;
    uint8 ticks;

    pid_init(&loop, 3 * Q8_ONE, Q8_ONE / 20, 8 * Q8_ONE);
    loop.setpoint = 650;        /* 65.0 degrees */
    ADCCTL0bits.ON = 1;
    PWMCTLbits.EN1 = 1;
    PWMCTLbits.RUN = 1;
    ticks = 0;
    for (;;) {
        while (!INTFLG1bits.T1)
            ;
        INTFLG1bits.T1 = 0;
        t = read_temperature();
        heater_duty(pid_update(&loop, t));
        if (++ticks == 100) {
            ticks = 0;
            OUTB = (uint8)(loop.output / 4);
        }
        if (PINBbits.P6 == 0 && loop.setpoint < 900)
            loop.setpoint += 5;
        if (PINBbits.P5 == 0 && loop.setpoint > 200)
            loop.setpoint -= 5;
    }
}
