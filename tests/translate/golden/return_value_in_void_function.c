int n;
int bump(void)
{
  return ++n;
}
void keeps_the_call(void)
{
  return bump();
}
void drops_a_constant(void)
{
  return 1;
}
