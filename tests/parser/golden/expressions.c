int a, b, c, *p, arr[4];
struct pt { int x, y; } s, *ps;
void f(void)
{
  a = b + c - 1;
  a = b * c / 2 % 3;
  a = b << 1 >> 2;
  a = b < c; a = b > c; a = b <= c; a = b >= c; a = b == c; a = b != c;
  a = b & c | a ^ b;
  a = b && c || !a;
  a = ~b; a = -b; a = +b;
  a = *p; p = &a;
  ++a; a++; --a; a--;
  a *= 2; a /= 2; a %= 2; a += 2; a -= 2; a <<= 1; a >>= 1; a &= 1; a |= 1; a ^= 1;
  a = arr[b + 1];
  a = s.x + ps->y;
  a = b ? c : 4;
  a = (b, c);
  a = sizeof a + sizeof(struct pt) + sizeof(char *);
  a = (unsigned char)b;
  a = 0x10 + 'A' + 1.5f;
  p = "ab" "c\n";
  f();
  a = b = c;
}
