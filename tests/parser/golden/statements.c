int g(int v);
int f(int n)
{
  int i, sum;
  sum = 0;
  for (i = 0; i < n; i++)
    sum += i;
  for (;;)
    break;
  while (n > 0)
    n--;
  do {
    n++;
    continue;
  } while (n < 10);
  if (n)
    sum = 1;
  if (n == 2)
    sum = 2;
  else if (n == 3)
    sum = 3;
  else
    sum = 4;
  switch (n) {
  case 1:
    sum = g(1);
    break;
  case 2 + 1:
  default:
    sum = g(n, sum);
  }
again:
  if (sum > 100)
    goto again;
  ;
  {
    int inner;
    inner = sum;
  }
  return sum;
}
void v(void) { return; }
