unsigned char g, h;
unsigned int w;
void cases(unsigned char x)
{
  switch (x) {
  case 1: g = 1; w = 300; break;
  case 2: g = 2; w = 300; break;
  case 3: g = 3; w = 300; break;
  case 4: g = 4; w = 300; break;
  case 5: g = 5; w = 300; break;
  case 6: g = 6; w = 300; break;
  case 7: g = 7; w = 300; break;
  case 8: g = 8; w = 300; break;
  case 9: g = 9; w = 300; break;
  case 10: g = 10; w = 300; break;
  case 11: g = 11; w = 300; break;
  }
}
void join(void) { if (g) { h = 1; w = 5; } else { h = 2; w = 5; } g = 0; }
unsigned char returns(unsigned char x)
{
  if (x == 1) { g = 5; w = 9; return h; }
  if (x == 2) { g = 6; w = 9; return h; }
  g = 7; w = 9; return h;
}
