#pragma udata access fast
near unsigned char x;
#pragma udata
unsigned char a, b;
int i, j;
void main(void)
{
  x = a ? 0 : 255;
  b = a > b ? a : b;
  i = a ? j : 1000;
  a ? i++ : j--;
  b = (a ? 3 : 4) + (b ? 5 : 6);
}
