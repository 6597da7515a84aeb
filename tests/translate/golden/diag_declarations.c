extern int e1;
static int e1;
int x = 1;
int x = 2;
static int t;
static int t = 3;
auto int fa;
int main;
static extern int z;
void f(static int p, overlay int q, near char r)
{
  static void g(void);
  overlay int o;
  void v;
  int dup;
  int dup;
  rom int x;
  extern int ext = 1;
}
void k(extern int a)
{
}
void m(rom char a)
{
}
overlay void n(void);
int t2;
char t2;
