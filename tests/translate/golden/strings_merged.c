char *a = "same";
char *b = "same";
char *c = "other";
char buf[] = "same";
char only[] = "only here";
void f(void)
{
  a = "same";
}
