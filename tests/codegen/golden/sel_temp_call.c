unsigned char arr[4];
unsigned char f(unsigned char v) { return v; }
void main(void)
{
  unsigned char c;
  c = 3;
  arr[c] = f(c);
}
