struct point {
  int x;
  char y;
  unsigned f : 3;
  unsigned g : 5;
};
struct point pt, *pp;
int v;
void f(void)
{
  v = pt.x;
  v = pp->y;
  v = pp.x;
  v = pt->y;
  pt.g = 7;
  v = ((struct point *)0x100)->y;
  v = (*pp).x;
}
