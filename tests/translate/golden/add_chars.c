char c1, c2, c3;
void f(void)
{
  c3 = c1 + c2;
  c3 = c1 < c2;
}
