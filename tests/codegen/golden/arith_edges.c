near unsigned char x;
unsigned char y, w;
int i;
void main(void)
{
  x <<= 4;
  x >>= 7;
  w = y & 0xFF;
  w = y | 0;
  w = y + 1;
  w = y ^ 0xFF;
  y -= 1;
  y |= 0x10;
  i += 1;
  i *= 10;
  i >>= 9;
}
