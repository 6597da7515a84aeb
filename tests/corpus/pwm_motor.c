/*
 * pwm_motor.c - brushed DC motor on an H-bridge: two PWM outputs, soft
 * start and stop ramps, a direction change only through zero speed, and a
 * current-limit trip from the comparator.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define PWM_PERIOD    799      /* 20 kHz at 16 MHz */
#define RAMP_STEP     8
#define MAX_DUTY      PWM_PERIOD

typedef enum { DIR_FORWARD, DIR_REVERSE } direction_t;
typedef enum { M_STOPPED, M_RAMPING, M_RUNNING, M_TRIPPED } motor_state_t;

typedef struct {
    motor_state_t state;
    direction_t dir;
    direction_t wanted_dir;
    int16 duty;                 /* current duty, 0..MAX_DUTY */
    int16 target;               /* requested duty */
    uint8 trips;
} motor_t;

void pwm_init(void);
void pwm_set(direction_t dir, uint16 duty);
void motor_request(int16 speed);
void motor_tick(void);
void high_isr(void);
void main(void);

static motor_t motor;

void pwm_init(void)
{
    DIRBbits.P0 = 0;
    DIRBbits.P1 = 0;
    PWMPRL = LOW_BYTE(PWM_PERIOD);
    PWMPRH = HIGH_BYTE(PWM_PERIOD);
    PWM1DL = PWM1DH = 0;
    PWM2DL = PWM2DH = 0;
    PWMCTL = 0;
    PWMCTLbits.EN1 = 1;
    PWMCTLbits.EN2 = 1;
    PWMCTLbits.RUN = 1;
    CMPCTL = 0;
    CMPCTLbits.REF = 11;        /* trip at about 2 A */
    CMPCTLbits.HYS = 1;
    CMPCTLbits.EN = 1;
    INTEN2bits.CMP = 1;
    INTPRI2bits.CMP = 1;
}

void pwm_set(direction_t dir, uint16 duty)
{
    if (dir == DIR_FORWARD) {
        PWM2DL = PWM2DH = 0;
        PWM1DL = LOW_BYTE(duty);
        PWM1DH = HIGH_BYTE(duty);
    } else {
        PWM1DL = PWM1DH = 0;
        PWM2DL = LOW_BYTE(duty);
        PWM2DH = HIGH_BYTE(duty);
    }
}

void motor_request(int16 speed)
{
    if (motor.state == M_TRIPPED)
        return;
    motor.wanted_dir = speed < 0 ? DIR_REVERSE : DIR_FORWARD;
    if (speed < 0)
        speed = -speed;
    if (speed > MAX_DUTY)
        speed = MAX_DUTY;
    motor.target = speed;
    motor.state = M_RAMPING;
}

void motor_tick(void)
{
    int16 goal;

    if (motor.state != M_RAMPING)
        return;
    /* A reversal first ramps to zero in the old direction. */
    goal = motor.wanted_dir == motor.dir ? motor.target : 0;
    if (motor.duty < goal) {
        motor.duty += RAMP_STEP;
        if (motor.duty > goal)
            motor.duty = goal;
    } else if (motor.duty > goal) {
        motor.duty -= RAMP_STEP;
        if (motor.duty < goal)
            motor.duty = goal;
    }
    pwm_set(motor.dir, (uint16)motor.duty);
    if (motor.duty == 0 && motor.wanted_dir != motor.dir) {
        motor.dir = motor.wanted_dir;
    } else if (motor.duty == motor.target) {
        motor.state = motor.duty == 0 ? M_STOPPED : M_RUNNING;
    }
}

#pragma interrupt high_isr
void high_isr(void)
{
    if (INTFLG2bits.CMP) {
        INTFLG2bits.CMP = 0;
        PWMCTLbits.RUN = 0;     /* cut the bridge at once */
        motor.duty = 0;
        motor.state = M_TRIPPED;
        motor.trips++;
    }
}

void main(void)
{
    uint8 ms;
    int16 speeds[4];
    uint8 step;

    speeds[0] = 400;
    speeds[1] = 799;
    speeds[2] = -300;
    speeds[3] = 0;
    pwm_init();
    motor.state = M_STOPPED;
    motor.dir = DIR_FORWARD;
    INTCTLbits.PRIEN = 1;
    INTCTLbits.GIEH = 1;
    step = 0;
    ms = 0;
    for (;;) {
        while (!INTFLG1bits.T0)
            ;
        INTFLG1bits.T0 = 0;
        motor_tick();
        if (++ms == 250) {
            ms = 0;
            motor_request(speeds[step]);
            step = (uint8)((step + 1) & 3);
        }
        if (motor.state == M_TRIPPED && PINBbits.P7 == 0) {
            motor.state = M_STOPPED;    /* operator reset */
            PWMCTLbits.RUN = 1;
        }
    }
}
