/* Formatted output on the simulator's console. */
#include <stdio.h>

void main(void)
{
  int i;
  for (i = 1; i <= 3; i++)
    printf("%d squared is %3d, in hex %04X\n", i, i * i, i * i * 1000);
  printf("largest long: %ld\n", 2147483647L);
}
