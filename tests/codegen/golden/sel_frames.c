unsigned char g;
void frameless(void)
{
  g = 1;
}
unsigned char big(unsigned char p)
{
  unsigned char buf[90];
  unsigned char last;
  last = p;
  return last;
}
