/*
 * thermistor.c - temperature from an NTC thermistor in a divider: the
 * 10-bit reading indexes a calibration table in program memory with 33
 * points, and the result is linearly interpolated to 0.1 degree. Also
 * converts to Fahrenheit and tracks minimum and maximum.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define TABLE_POINTS  33
#define STEP_SHIFT    5         /* table points every 32 counts */
#define NO_SENSOR     (-32767)

int16 adc_to_decidegrees(uint16 adc);
int16 to_fahrenheit(int16 decic);
uint16 read_adc_averaged(uint8 channel);
void main(void);

/* Temperature in 0.1 C at ADC = 0, 32, 64, ... 1024 (10 k NTC, 10 k divider). */
#pragma romdata ntc_table
static rom const int16 ntc_curve[TABLE_POINTS] = {
    1500, 1306, 1072, 942, 852, 783, 727, 679,
    638, 601, 567, 536, 507, 480, 454, 429,
    405, 381, 358, 335, 312, 289, 265, 241,
    216, 190, 162, 131, 97, 57, 6, -73,
    -400
};
#pragma romdata

#pragma idata minmax
static int16 t_min = 32767;
static int16 t_max = -32767;
#pragma idata

int16 adc_to_decidegrees(uint16 adc)
{
    uint8 index;
    uint8 frac;
    int16 lo;
    int16 hi;
    int24 delta;

    if (adc < 4 || adc > 1019)
        return NO_SENSOR;       /* open or shorted sensor */
    index = (uint8)(adc >> STEP_SHIFT);
    frac = (uint8)(adc & ((1 << STEP_SHIFT) - 1));
    lo = ntc_curve[index];
    hi = ntc_curve[index + 1];
    delta = (int24)(hi - lo) * frac;
    return lo + (int16)(delta >> STEP_SHIFT);
}

int16 to_fahrenheit(int16 decic)
{
    /* F = C * 9/5 + 32, in tenths, rounded */
    int24 t;

    t = (int24)decic * 9;
    t = t >= 0 ? (t + 2) / 5 : (t - 2) / 5;
    return (int16)(t + 320);
}

uint16 read_adc_averaged(uint8 channel)
{
    uint16 sum;
    uint8 i;

    ADCCTL0bits.CHS = channel;
    sum = 0;
    for (i = 0; i < 8; i++) {
        ADCCTL0bits.GO = 1;
        while (ADCCTL0bits.GO)
            ;
        sum += MAKE_WORD(ADCRESH & 3, ADCRESL);
    }
    return (sum + 4) >> 3;
}

void main(void)
{
    int16 t;
    int16 f;

    ADCCTL1bits.RIGHT = 1;
    ADCCTL0bits.ON = 1;
    DIRB = 0;
    DIRC = 0;
    for (;;) {
        t = adc_to_decidegrees(read_adc_averaged(3));
        if (t == NO_SENSOR) {
            OUTB = 0xEE;
            continue;
        }
        if (t < t_min)
            t_min = t;
        if (t > t_max)
            t_max = t;
        f = to_fahrenheit(t);
        OUTB = (uint8)(PINAbits.P4 ? t / 10 : f / 10);
        OUTC = (uint8)((t_max - t_min) / 10);
    }
}
