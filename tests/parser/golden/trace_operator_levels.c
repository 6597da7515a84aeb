typedef int T;
int a, b, c, d, e;
void f(void)
{
  a = b || c && d | e ^ a & b == c != d < e > a <= b >= c << d >> e + a - b * c / d % e;
  a = b * c / d % e - a + b >> c << d >= e <= a > b < c != d == e & a ^ b | c && d || e;
  a = b - c - d;
  a = b << c >> d;
  a = b < c > d;
  a = b && c && d || e || a;
  a = (b || c) && (d | e);
  a = b ? c + d : e - a ? b : c;
  a = b * sizeof (T)
    + c;
  a = b * sizeof
    (int) *
    c
    ;
  a = b + sizeof (char)
    ;
  a = b
    <
    c
    ==
    d;
  a = -b + !c * ~d - (T) e;
  a = b + * c;
  a = b + + c;
  a = b + ;
  a = c;
}
