struct pt {
  char x;
  int y;
};
struct pt origin;
void f(int n)
{
  int a = n + 1;
  char s[4] = "ab";
  int v[3] = {1, 2};
  struct pt p = {1, 2};
  struct pt q = origin;
  const int k = 5;
  static int st = 3;
  a = s[0] + v[1] + p.y + q.x + k + st;
}
