/*
 * ports.c: port B's output latch and direction registers at their data
 * addresses, so that blink.c links and runs on the simulator without a
 * device header.
 */
#pragma udata access port_b_latch=0xF8A
volatile near unsigned char OUTB;
#pragma udata access port_b_dir=0xF93
volatile near unsigned char DIRB;
