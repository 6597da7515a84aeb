void f(char a, int b)
{
  char c;
  c = a + b;
}
