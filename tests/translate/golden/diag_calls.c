void two(int a, char *b);
void many(int a, ...);
int old();
int notf;
struct s {
  int a;
} sv;
void f(void)
{
  two(1);
  two(1, 0, 3);
  two(sv, 0);
  two(1, 5);
  many(1, 2, 3);
  old(1);
  undeclared(2);
  notf(1);
  notdeclared = 3;
}
