void f(void)
{
  rom int x;
  static rom int table = 4;
  x = table;
}
