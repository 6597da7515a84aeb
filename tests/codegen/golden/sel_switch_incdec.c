#pragma udata access fast
near unsigned char x;
near int n;
#pragma udata
unsigned char r;
int w;
int *p;
int (*pp)[2];
void main(void)
{
  switch (x) {
  case 1: r = 10; break;
  case 3: r = 30; break;
  case 2: r = 20; break;
  }
  switch (w) {
  case -1: r = 1;
  default: r = 2;
  }
  n++;
  w--;
  p++;
  pp--;
  r = *p++;
  (*p)++;
}
