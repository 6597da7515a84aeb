struct big {
  char bytes[95];
};
void f(struct big b, int x)
{
}
void g(char a[60])
{
  char locals[94];
  locals[0] = 1;
}
void h(long a, long b)
{
  char locals[88];
  char more;
  more = 1;
}
void take(struct big b, char c, char d);
void k(struct big *p)
{
  take(*p, 1, 2);
}
