/*
 * banked_buffers.c - a data logger keeping its sample pages in named data
 * sections that the linker places in separate banks; the code tells the
 * compiler where each buffer lives so that bank selection can be skipped
 * when consecutive accesses stay in one bank. Pages are swapped between
 * the acquisition and the upload side without copying.
 */
#include "hr_types.h"
#include "hr_regs.h"

#define PAGE_SAMPLES  120

typedef struct {
    uint8 channel;
    uint8 count;
    int16 samples[PAGE_SAMPLES];
} page_t;

void pages_init(void);
page_t *acquire_page(void);
void page_add(page_t *p, int16 v);
bool8 page_full(const page_t *p);
void upload_page(const page_t *p);
void main(void);

#pragma udata bank2_page
static page_t page_a;
#pragma udata bank3_page
static page_t page_b;
#pragma udata

#pragma varlocate 2 page_a
#pragma varlocate 3 page_b
#pragma varlocate "logger_state" filling, ready_page, pages_sent

#pragma idata logger_state
static page_t *filling = &page_a;
static page_t *ready_page = 0;
static uint16 pages_sent = 0;
#pragma idata

#pragma romdata
static rom const uint8 channel_order[4] = { 0, 2, 1, 3 };
#pragma romdata

void pages_init(void)
{
    page_a.count = 0;
    page_b.count = 0;
    page_a.channel = channel_order[0];
    page_b.channel = channel_order[1];
    filling = &page_a;
    ready_page = 0;
}

page_t *acquire_page(void)
{
    page_t *p;

    /* The full page goes to the uploader; the other one fills next. */
    p = filling;
    filling = filling == &page_a ? &page_b : &page_a;
    filling->count = 0;
    filling->channel = channel_order[(pages_sent + 1) & 3];
    return p;
}

void page_add(page_t *p, int16 v)
{
    if (p->count < PAGE_SAMPLES)
        p->samples[p->count++] = v;
}

bool8 page_full(const page_t *p)
{
    return p->count >= PAGE_SAMPLES;
}

void upload_page(const page_t *p)
{
    uint8 i;
    const int16 *s;

    while (!USTATbits.TXRDY)
        ;
    UTXD = p->channel;
    s = p->samples;
    for (i = 0; i < p->count; i++, s++) {
        while (!USTATbits.TXRDY)
            ;
        UTXD = HIGH_BYTE(*s);
        while (!USTATbits.TXRDY)
            ;
        UTXD = LOW_BYTE(*s);
    }
    pages_sent++;
}

void main(void)
{
    int16 v;

    pages_init();
    UCTL = 0b10000001;
    ADCCTL0bits.ON = 1;
    for (;;) {
        ADCCTL0bits.CHS = filling->channel;
        ADCCTL0bits.GO = 1;
        while (ADCCTL0bits.GO)
            ;
        v = (int16)MAKE_WORD(ADCRESH, ADCRESL);
        page_add(filling, v);
        if (page_full(filling)) {
            ready_page = acquire_page();
            upload_page(ready_page);
            ready_page = 0;
        }
    }
}
