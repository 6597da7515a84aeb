struct s {
  int a;
} sv;
void f(void)
{
  if (sv)
    ;
  while (sv)
    ;
  do
    ;
  while (sv);
  for (; sv;)
    ;
  if (sv)
    ;
  else
    ;
}
