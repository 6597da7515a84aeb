int x;
void f(void)
{
  if (0)
    x = 1;
  if (1)
    x = 2;
  if (x)
    x = 3;
  else
    x = 4;
  if (1)
    x = 5;
  else
    x = 6;
  if (0)
    x = 7;
  else
    x = 8;
}
