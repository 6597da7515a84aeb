#include <stdio.h>

void main(void)
{
  int i;

  printf("Hello from the Harrow core\n");
  for (i = 1; i <= 3; i++)
    printf("%d squared is %d\n", i, i * i);
}
