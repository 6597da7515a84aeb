int *p, i;
float fl;
struct s {
  int a;
} sv;
void f(void)
{
  p = p - fl;
  p -= fl;
  p += sv;
  i %= fl;
  i <<= fl;
  i = sizeof(struct nowhere);
  i = sizeof(struct s);
}
