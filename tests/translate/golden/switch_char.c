char c;
int r;
void f(void)
{
  switch (c) {
  case 'a':
    r = 1;
    break;
  case 300:
    r = 2;
  default:
    r = 3;
  }
  switch (r) {
  case -1:
  case 40000:
    r = 0;
  }
}
