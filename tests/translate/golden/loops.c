int n;
void f(void)
{
  while (1)
    n++;
  do
    n--;
  while (0);
  for (;;) {
    if (n)
      continue;
    break;
  }
  while (n) {
    switch (n) {
    case 1:
      break;
    default:
      continue;
    }
    n = 0;
  }
  do
    n++;
  while (n < 10);
}
