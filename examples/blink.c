/*
 * blink.c: toggles an LED on bit 0 of port B, with a busy-wait delay
 * between the changes. A small first program for the compiler: compile it
 * with  velcqx-extended -verbose blink.c  (add -p with your device name).
 */

#define LED_MASK   0x01
#define DELAY_LOOPS 2500

/* Port B output latch and direction registers, placed by the linker script. */
extern volatile near unsigned char OUTB;
extern volatile near unsigned char DIRB;

static unsigned char blink_count;

/* Spends roughly loops times the inner loop's cycles doing nothing. */
static void delay(unsigned int loops)
{
  volatile unsigned char inner;

  while (loops-- != 0u)
  {
    for (inner = 0; inner < 10u; inner++)
      ;
  }
}

void main(void)
{
  DIRB &= (unsigned char)~LED_MASK;     /* 0 = output: bit 0 drives the LED */
  OUTB &= (unsigned char)~LED_MASK;

  for (;;)
  {
    OUTB ^= LED_MASK;
    blink_count++;
    delay(DELAY_LOOPS);
  }
}
