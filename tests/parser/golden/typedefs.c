typedef int T;
typedef unsigned char byte, *bytep;
typedef struct S { int a; } TS;
typedef int (*fn_t)(T);
T t1;
TS x, y;
bytep bp;
fn_t handler;
const T ct;
void shadow(void)
{
  int T;
  T = 1;
  {
    typedef char T;
    T inner;
  }
}
T after;
void param(T T)
{
  T = 2;
}
T again;
int proto(int T);
T still;
struct with_td { T T; byte b; };
void cast(void)
{
  t1 = (T)3 + sizeof(TS);
}
