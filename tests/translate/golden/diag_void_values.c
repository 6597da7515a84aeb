void nothing(void);
int unprototyped();
int printf(const char *fmt, ...);
void takes_int(int a);
int x;
void f(void)
{
  unprototyped(nothing());
  printf("%d %d", x, nothing());
  takes_int(nothing());
  unprototyped((void)0, 1);
  x = nothing();
  x = nothing() ? 1 : 2;
  x = !nothing();
  x = -nothing();
  x = (int)nothing();
  x = nothing() == 0;
  if (nothing())
    x = 1;
}
int g(void)
{
  return nothing();
}
