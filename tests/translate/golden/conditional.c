int a, b, *p;
char c;
long l;
void f(void)
{
  a = a ? b : c;
  l = 1 ? a : l;
  p = a ? p : 0;
  a ? f() : f();
}
