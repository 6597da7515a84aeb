int ok1;
int bad1 = ;
int ok2;
void f(void)
{
  int x;
  x = (1 + ;
  x = 2;
  x = x +* 3 );
  x = 4;
}
int ok3 :: ;
int ok4;
void g(void) { int y; y = 1 }
int ok5;
