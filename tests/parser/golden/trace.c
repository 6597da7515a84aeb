int x;
void f(void)
{
  if (x)
    x = 1;
  else
    x = 2;
}
