#pragma udata access fast
near unsigned char x;
#pragma udata
unsigned char a, b;
int i, j;
void main(void)
{
  unsigned char c;
  int k;
  x = 0;
  x = 255;
  x = 5;
  a = b;
  c = a;
  a = c;
  i = j;
  k = i;
  i = k;
  k = 0x1234;
}
