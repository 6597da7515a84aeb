/*
 * scheduler.c - a cooperative run-to-completion scheduler: tasks are
 * functions with a period and a phase offset in a table; a 1 ms tick from
 * timer 2 counts down their delays, and the main loop runs whatever is
 * due, highest priority first, recording each task's worst run time.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define TASK_COUNT   5

typedef void (*task_fn)(void);

typedef struct {
    task_fn run;
    uint16 period;              /* ms, 0 = only when signalled */
    uint16 countdown;
    bool8 ready;
    uint8 worst_ticks;
    uint16 runs;
} task_t;

void task_blink(void);
void task_keys(void);
void task_adc(void);
void task_report(void);
void task_watchdog(void);
void sched_signal(uint8 id);
void sched_run_once(void);
void high_isr(void);
void main(void);

#pragma idata sched_tasks
static task_t tasks[TASK_COUNT] = {
    { task_watchdog, 50,   0,   FALSE, 0, 0 },
    { task_keys,     10,   3,   FALSE, 0, 0 },
    { task_adc,      20,   7,   FALSE, 0, 0 },
    { task_blink,    500,  0,   FALSE, 0, 0 },
    { task_report,   0,    0,   FALSE, 0, 0 }
};
#pragma idata

#pragma idata sched_counters
static volatile uint16 ticks = 0;
static uint8 led_state = 0x01;
static uint16 last_adc = 0;
#pragma idata

void task_blink(void)
{
    led_state = (uint8)(led_state << 1 | led_state >> 7);
    OUTB = led_state;
}

void task_keys(void)
{
    if (PINAbits.P0 == 0)
        sched_signal(4);
}

void task_adc(void)
{
    if (!ADCCTL0bits.GO) {
        last_adc = MAKE_WORD(ADCRESH, ADCRESL);
        ADCCTL0bits.GO = 1;
    }
}

void task_report(void)
{
    UTXD = HIGH_BYTE(last_adc);
}

void task_watchdog(void)
{
    ClrWdt();
}

void sched_signal(uint8 id)
{
    if (id < TASK_COUNT)
        tasks[id].ready = TRUE;
}

#pragma interrupt high_isr
void high_isr(void)
{
    uint8 i;

    if (!INTFLG1bits.T2)
        return;
    INTFLG1bits.T2 = 0;
    ticks++;
    for (i = 0; i < TASK_COUNT; i++) {
        if (tasks[i].period == 0)
            continue;
        if (tasks[i].countdown == 0) {
            tasks[i].countdown = tasks[i].period - 1;
            tasks[i].ready = TRUE;
        } else {
            tasks[i].countdown--;
        }
    }
}

void sched_run_once(void)
{
    uint8 i;
    uint16 start;
    uint16 took;

    for (i = 0; i < TASK_COUNT; i++) {
        if (!tasks[i].ready)
            continue;
        INTCTLbits.GIEH = 0;
        tasks[i].ready = FALSE;
        start = ticks;
        INTCTLbits.GIEH = 1;
        tasks[i].run();
        tasks[i].runs++;
        took = ticks - start;
        if (took > tasks[i].worst_ticks)
            tasks[i].worst_ticks = (uint8)(took > 255 ? 255 : took);
        return;                 /* rescan from the highest priority */
    }
}

void main(void)
{
    DIRB = 0;
    ADCCTL0bits.ON = 1;
    UCTL = 0b10000001;
    WDTCTLbits.PS = 9;
    WDTCTLbits.SWDTEN = 1;
    T2PR = 249;
    T2CTLbits.PRE = 0b10;
    T2CTLbits.ON = 1;
    INTEN1bits.T2 = 1;
    INTCTLbits.GIEH = 1;
    for (;;)
        sched_run_once();
}
