struct s {
  int a;
  unsigned b : 2;
} sv, *sp;
struct inc *ip;
int i, *p, arr[4];
unsigned u;
float fl;
const int ci = 1;
void *vp;
char *cp;
const char *ccp;
void f(void)
{
  i = *i;
  i = *vp;
  3 = i;
  ci = 2;
  arr = p;
  i = sv;
  cp = ccp;
  p = i;
  i = &sv.b;
  i = sv.nothing;
  i = ip->x;
  i = i.a;
  i = sv();
  i = (struct s)i;
  i = (float)p;
  i++;
  sv++;
  ci--;
  sv--;
  i = sv * 2;
  i = sv / 2;
  i = i ? sv : 1;
  i = sv ? 1 : 2;
}
