near char n;
far rom char *fp;
rom char *np;
rom const char table[4] = {1, 2, 3, 4};
far rom int ftable[2] = {5, 6};
char *rp;
float f, g;
long l;
void h(void)
{
  n = table[1];
  n = ftable[0];
  fp = np;
  np = fp;
  rp = (char *)fp;
  f = f * g + 1.5;
  f = f / g - l;
  l = f;
  n = f == g;
  n = *fp;
  fp++;
  n++;
}
