int n;
void f(void)
{
  goto done;
again:
  n--;
  if (n)
    goto again;
done:
  n = 0;
}
void g(void)
{
  goto done;
done:
  ;
}
