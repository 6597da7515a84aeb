int *p, *q;
char *s;
long *lp;
int d;
void f(void)
{
  p = p + 1;
  s = s + 1;
  p = 2 + p;
  lp = lp - 3;
  d = p - q;
  p += d;
  p++;
  d = p[2];
  d = *(s + d);
}
