unsigned char c;
signed char s;
unsigned char r;
void main(void)
{
  switch (c) {
  case -1: r = 1; break;
  case 300: r = 2; break;
  case 255: r = 3; break;
  case 0: r = 4; break;
  }
  switch (s) {
  case 255: r = 5; break;
  case -1: r = 6; break;
  }
}
