char c;
int i;
float fl;
void f(void)
{
  c = c * 1;
  i = 1 * i;
  i = i * 0;
  i = i / 1;
  i = i + 0;
  fl = fl * 1.0;
  i = 6 * 7;
  i = 7 / 2;
  i = -7 % 3;
  i = 1 << 4;
  c = (char)300;
}
