int notfunc;
int returns(void);
void params(int a);
#pragma interrupt notfunc
#pragma interrupt returns
#pragma interrupt params
#pragma interrupt isr save=unknown_thing, PROD
#pragma interruptlow missing
void isr(void)
{
#pragma interrupt isr
}
