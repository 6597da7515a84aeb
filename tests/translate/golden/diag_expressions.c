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
  i = sv + 1;
  i = p + p;
  i = p + fl;
  i = sv - 1;
  i = p - cp;
  i = fl % 2;
  i = fl << 1;
  i = fl & 1;
  i = fl | 1;
  i = fl ^ 1;
  i = ~fl;
  i = +sv;
  i = -sv;
  i = -u;
  i = sv < 1;
  i = u < -1;
  i = fl == 0.0;
  i = !sv;
  i = sv && 1;
  i = sv || 1;
  i = 1[arr];
  i = p[p];
}
