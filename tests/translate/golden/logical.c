int x, y;
int g(void);
void f(void)
{
  y = x || 1;
  y = 0 && g();
  y = x && 0;
  y = 1 || g();
  y = x && y;
  y = x || y;
  if (x <= y)
    y = !x;
  if (x != y)
    y = x >= y;
}
