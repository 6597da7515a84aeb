void f(void)
{
  if (x) {
    x = 1;
}
