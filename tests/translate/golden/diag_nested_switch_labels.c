int r;
void f(int c, int d)
{
  goto late;
  goto missing1;
  switch (c) {
  case 1:
    switch (d) {
    case 1:
      r = 1;
    case 2:
      goto early;
    case 1:
      break;
    }
  case 2:
    goto missing2;
  case 1:
    break;
  case 3:
    goto late;
  }
early:
  r = 2;
  goto missing1;
  goto missing3;
late:
  r = 3;
}
void g(int c)
{
  goto late;
  switch (c) {
  case 1:
    break;
  }
late:
  return;
}
