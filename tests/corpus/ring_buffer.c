/*
 * ring_buffer.c - byte FIFOs shared between interrupt and main-line code.
 * Each FIFO's size is a power of two so that wrapping is a mask; head and
 * tail are free-running 8-bit counters, so full and empty differ without a
 * spare slot.
 */
#include "hr_types.h"
#include "hr_regs.h"

typedef struct {
    uint8 *data;
    uint8 mask;                 /* size - 1, size a power of two */
    volatile uint8 head;        /* written by the producer only */
    volatile uint8 tail;        /* written by the consumer only */
    uint8 high_water;
} fifo_t;

void fifo_init(fifo_t *f, uint8 *storage, uint8 size);
uint8 fifo_count(const fifo_t *f);
bool8 fifo_put(fifo_t *f, uint8 b);
bool8 fifo_get(fifo_t *f, uint8 *b);
uint8 fifo_peek(const fifo_t *f, uint8 offset);
uint8 fifo_read_block(fifo_t *f, uint8 *dst, uint8 max);
void fifo_flush(fifo_t *f);
void main(void);

#pragma udata fifo_storage
static uint8 event_store[16];
static uint8 sample_store[64];
#pragma udata

static fifo_t events;
static fifo_t samples;

void fifo_init(fifo_t *f, uint8 *storage, uint8 size)
{
    f->data = storage;
    f->mask = (uint8)(size - 1);
    f->head = 0;
    f->tail = 0;
    f->high_water = 0;
}

uint8 fifo_count(const fifo_t *f)
{
    return (uint8)(f->head - f->tail);
}

bool8 fifo_put(fifo_t *f, uint8 b)
{
    uint8 used;

    used = fifo_count(f);
    if (used > f->mask)
        return FALSE;
    f->data[f->head & f->mask] = b;
    f->head++;
    if (used + 1 > f->high_water)
        f->high_water = (uint8)(used + 1);
    return TRUE;
}

bool8 fifo_get(fifo_t *f, uint8 *b)
{
    if (f->head == f->tail)
        return FALSE;
    *b = f->data[f->tail & f->mask];
    f->tail++;
    return TRUE;
}

uint8 fifo_peek(const fifo_t *f, uint8 offset)
{
    return f->data[(uint8)(f->tail + offset) & f->mask];
}

uint8 fifo_read_block(fifo_t *f, uint8 *dst, uint8 max)
{
    uint8 n;

    n = 0;
    while (n < max && fifo_get(f, dst + n))
        n++;
    return n;
}

void fifo_flush(fifo_t *f)
{
    INTCTLbits.GIEH = 0;        /* the producer may be an interrupt */
    f->tail = f->head;
    INTCTLbits.GIEH = 1;
}

static uint16 sum_block(const uint8 *p, uint8 n)
{
    uint16 sum;

    sum = 0;
    while (n--)
        sum += *p++;
    return sum;
}

void main(void)
{
    uint8 block[8];
    uint8 got;
    uint8 i;
    uint16 total;
    uint8 ev;

    fifo_init(&events, event_store, sizeof event_store);
    fifo_init(&samples, sample_store, sizeof sample_store);
    DIRB = 0x00;
    total = 0;

    for (i = 0; i < 100; i++) {
        if (!fifo_put(&samples, (uint8)(i * 3)))
            (void)fifo_put(&events, 0xEE);  /* overflow event */
        if (fifo_count(&samples) >= sizeof block) {
            got = fifo_read_block(&samples, block, sizeof block);
            total += sum_block(block, got);
        }
    }
    while (fifo_get(&events, &ev))
        OUTB = ev;
    OUTB = LOW_BYTE(total);
    OUTC = samples.high_water;
    if (fifo_count(&samples) != 0 && fifo_peek(&samples, 0) == 0)
        fifo_flush(&samples);
    for (;;)
        Sleep();
}
