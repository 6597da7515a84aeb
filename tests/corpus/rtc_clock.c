/*
 * rtc_clock.c - a software calendar clock driven by a 32768 Hz watch
 * crystal on timer 1, which overflows once a second. Handles month
 * lengths and leap years, computes the day of the week, and corrects the
 * crystal's drift by adding or dropping a second at set intervals.
 */
#include "hr_types.h"
#include "hr_regs.h"

typedef struct {
    uint8 second;
    uint8 minute;
    uint8 hour;
    uint8 day;                  /* 1..31 */
    uint8 month;                /* 1..12 */
    uint16 year;
} datetime_t;

bool8 is_leap(uint16 year);
uint8 days_in_month(uint8 month, uint16 year);
uint8 day_of_week(const datetime_t *t);
void clock_advance(datetime_t *t);
void clock_set(const datetime_t *t);
void clock_get(datetime_t *t);
void high_isr(void);
void main(void);

#pragma romdata
static rom const uint8 month_days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
static rom const uint8 month_key[12] = { 0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4 };
#pragma romdata

#pragma udata rtc_data
static datetime_t now;
static int16 trim_ppm;          /* + the crystal runs slow, - fast */
static uint24 trim_counter;
#pragma udata

bool8 is_leap(uint16 year)
{
    if (year % 4 != 0)
        return FALSE;
    if (year % 100 != 0)
        return TRUE;
    return year % 400 == 0;
}

uint8 days_in_month(uint8 month, uint16 year)
{
    if (month == 2 && is_leap(year))
        return 29;
    return month_days[month - 1];
}

uint8 day_of_week(const datetime_t *t)
{
    uint16 y;

    /* 0 = Sunday; January and February count as months of the year before. */
    y = t->year;
    if (t->month < 3)
        y--;
    return (uint8)((y + y / 4 - y / 100 + y / 400 + month_key[t->month - 1] + t->day) % 7);
}

void clock_advance(datetime_t *t)
{
    if (++t->second < 60)
        return;
    t->second = 0;
    if (++t->minute < 60)
        return;
    t->minute = 0;
    if (++t->hour < 24)
        return;
    t->hour = 0;
    if (++t->day <= days_in_month(t->month, t->year))
        return;
    t->day = 1;
    if (++t->month <= 12)
        return;
    t->month = 1;
    t->year++;
}

void clock_set(const datetime_t *t)
{
    INTCTLbits.GIEH = 0;
    now = *t;
    trim_counter = 0;
    INTCTLbits.GIEH = 1;
}

void clock_get(datetime_t *t)
{
    INTCTLbits.GIEH = 0;
    *t = now;
    INTCTLbits.GIEH = 1;
}

#pragma interrupt high_isr nosave=PCLATH, PCLATU
void high_isr(void)
{
    if (!INTFLG1bits.T1)
        return;
    INTFLG1bits.T1 = 0;
    T1H |= 0x80;                /* reload: 32768 counts to the next overflow */
    clock_advance(&now);
    /* One second in 10^6 / |ppm| is added (slow crystal) or dropped. */
    if (trim_ppm == 0)
        return;
    if (++trim_counter < 1000000UL / (uint24)(trim_ppm < 0 ? -trim_ppm : trim_ppm))
        return;
    trim_counter = 0;
    if (trim_ppm > 0)
        clock_advance(&now);
    else if (now.second > 0)
        now.second--;
}

void main(void)
{
    datetime_t t;
    uint8 last;

    t.year = 2024;
    t.month = 2;
    t.day = 28;
    t.hour = 23;
    t.minute = 59;
    t.second = 50;
    trim_ppm = -21;
    clock_set(&t);
    T1CTL = 0;
    T1CTLbits.CS = 1;           /* watch crystal */
    T1CTLbits.W16 = 1;
    T1CTLbits.ON = 1;
    INTPRI1bits.T1 = 1;
    INTEN1bits.T1 = 1;
    INTCTLbits.GIEH = 1;
    DIRB = 0;
    DIRC = 0;
    last = 0xFF;
    for (;;) {
        clock_get(&t);
        if (t.second == last)
            continue;
        last = t.second;
        OUTB = (uint8)((t.hour / 10) << 4 | t.hour % 10);
        OUTC = (uint8)(day_of_week(&t) << 5 | t.day);
    }
}
