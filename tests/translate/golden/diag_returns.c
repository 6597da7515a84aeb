struct s {
  int a;
};
struct s sv;
void v(void)
{
  return 1;
}
int i(void)
{
  return;
}
int *p(void)
{
  return 5;
}
int q(void)
{
  return sv;
}
long w(void)
{
  return 'c';
}
char *z(void)
{
  return 0;
}
