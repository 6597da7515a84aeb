int printf(const char *fmt, ...);
void log8(const char *fmt, ...);
char c;
void f(void)
{
  printf("%d", c);
  log8("%d", c);
}
