#pragma udata access myvars
unsigned char v1;
#pragma code
#pragma list
void f(void)
{
#pragma tmpdata mytmp
  unsigned char local;
  local = 1;
#pragma tmpdata
  local = 2;
}
#pragma interrupt isr save=PROD
void isr(void) { }
#pragma foo
