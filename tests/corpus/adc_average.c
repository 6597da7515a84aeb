/*
 * adc_average.c - analog inputs sampled round-robin by the timer-2
 * interrupt. Each channel keeps a 16-sample moving sum; a 4x oversampled
 * reading gives 11 bits from the 10-bit converter. Readings outside the
 * configured window raise an alarm output.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define CHANNELS      4
#define WINDOW        16
#define WINDOW_SHIFT  4

typedef struct {
    uint16 history[WINDOW];
    uint16 sum;
    uint8 index;
    uint16 low_limit;
    uint16 high_limit;
} channel_t;

void adc_init(void);
uint16 adc_read(uint8 channel);
uint16 adc_oversampled(uint8 channel);
uint16 channel_average(uint8 channel);
void low_isr(void);
void low_vector(void);
void main(void);

#pragma udata adc_channels
static channel_t chan[CHANNELS];
#pragma udata

static volatile uint8 next_channel;
static volatile bool8 alarm;

#pragma romdata
static rom const uint16 default_limits[CHANNELS][2] = {
    { 100, 900 }, { 0, 1023 }, { 200, 800 }, { 50, 400 }
};
#pragma romdata

void adc_init(void)
{
    uint8 c;
    uint8 i;

    ANSEL = 0b00001111;         /* A0..A3 analog */
    DIRA |= 0x0F;
    ADCCTL1 = 0;
    ADCCTL1bits.RIGHT = 1;
    ADCCTL1bits.ACQ = 4;
    ADCCTL1bits.CLK = 6;
    ADCCTL0 = 0;
    ADCCTL0bits.ON = 1;
    for (c = 0; c < CHANNELS; c++) {
        for (i = 0; i < WINDOW; i++)
            chan[c].history[i] = 0;
        chan[c].sum = 0;
        chan[c].index = 0;
        chan[c].low_limit = default_limits[c][0];
        chan[c].high_limit = default_limits[c][1];
    }
}

uint16 adc_read(uint8 channel)
{
    ADCCTL0bits.CHS = channel;
    ADCCTL0bits.GO = 1;
    while (ADCCTL0bits.GO)
        ;
    return MAKE_WORD(ADCRESH & 0x03, ADCRESL);
}

uint16 adc_oversampled(uint8 channel)
{
    uint16 acc;
    uint8 n;

    acc = 0;
    for (n = 0; n < 4; n++)
        acc += adc_read(channel);
    return acc >> 1;            /* 4 samples: one extra bit */
}

static void channel_push(channel_t *ch, uint16 value)
{
    ch->sum -= ch->history[ch->index];
    ch->history[ch->index] = value;
    ch->sum += value;
    ch->index = (uint8)((ch->index + 1) & (WINDOW - 1));
}

uint16 channel_average(uint8 channel)
{
    uint16 s;

    INTCTLbits.GIEL = 0;
    s = chan[channel].sum;
    INTCTLbits.GIEL = 1;
    return s >> WINDOW_SHIFT;
}

#pragma interruptlow low_isr
void low_isr(void)
{
    uint16 v;
    channel_t *ch;

    if (INTFLG1bits.T2) {
        INTFLG1bits.T2 = 0;
        ch = &chan[next_channel];
        v = adc_read(next_channel);
        channel_push(ch, v);
        if (v < ch->low_limit || v > ch->high_limit)
            alarm = TRUE;
        if (++next_channel == CHANNELS)
            next_channel = 0;
    }
}

#pragma code low_vector_section=0x18
void low_vector(void)
{
    _asm GOTO low_isr _endasm
}
#pragma code

void main(void)
{
    uint8 c;
    uint16 avg;

    adc_init();
    T2PR = 249;                 /* 1 ms with 1:16 prescale at 16 MHz */
    T2CTLbits.PRE = 0b10;
    T2CTLbits.ON = 1;
    INTPRI1bits.T2 = 0;
    INTEN1bits.T2 = 1;
    INTCTLbits.PRIEN = 1;
    INTCTLbits.GIEL = 1;
    INTCTLbits.GIEH = 1;
    DIRB = 0;
    for (;;) {
        for (c = 0; c < CHANNELS; c++) {
            avg = channel_average(c);
            if (c == 0)
                OUTB = (uint8)(avg >> 2);
        }
        OUTCbits.P0 = alarm;
        if (PINCbits.P1 == 0) {     /* acknowledge button */
            alarm = FALSE;
            OUTCbits.P1 = (uint8)(adc_oversampled(1) > 2000);
        }
    }
}
