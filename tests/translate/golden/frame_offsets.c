void f(char a, int b)
{
  char c;
  long d;
  a = b;
  c = a;
  d = c;
}
