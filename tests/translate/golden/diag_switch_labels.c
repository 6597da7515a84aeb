char c;
int r;
float fl;
void f(void)
{
  switch (c) {
  case 0:
    r = 1;
  case 256:
    r = 2;
  case r:
    r = 3;
  default:
    break;
  default:
    break;
  }
  switch (fl) {
  case 1:
    break;
  }
  break;
  continue;
  goto nowhere;
twice:
  r = 1;
twice:
  r = 2;
}
void g(void)
{
  case 1:
    r = 0;
  default:
    r = 1;
}
