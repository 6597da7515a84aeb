int add(int x, char y);
long wide(long v);
int (*fp)(int, char);
char c;
int r;
void f(void)
{
  r = add(c, 300);
  r = wide(c);
  r = fp(1, 2);
  r = (*fp)(3, c);
  r = implicit(c);
}
