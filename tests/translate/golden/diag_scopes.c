int f(void);
int f(int a);
void g(int a)
{
  int a;
  {
    int a;
    a = 1;
  }
}
int h(int a, int a);
enum { E };
void E(void)
{
}
int E;
