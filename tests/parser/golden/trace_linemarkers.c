#line 1 "board.h"
typedef unsigned char uint8;
extern volatile near uint8 OUTB;
#line 40 "main.c"
void main(void)
{
#pragma tmpdata
  OUTB = 0x55;
}
