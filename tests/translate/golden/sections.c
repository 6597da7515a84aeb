#pragma udata mydata
int u1;
#pragma idata
int i1 = 1;
#pragma romdata consts
rom int r1 = 2;
#pragma code boot=0x200
void boot(void)
{
}
#pragma code
#pragma tmpdata isr_tmp
#pragma interrupt isr save=u1, section("mydata")
void isr(void)
{
  u1++;
}
#pragma tmpdata
#pragma udata mydata
int u2;
