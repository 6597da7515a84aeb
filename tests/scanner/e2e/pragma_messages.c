/* Every pragma message that a compilation for the generic processor can
   give, each on its own line, among ordinary declarations. */
#pragma code mycode=0x200
void f(void) {}
#pragma romdata overlay overlay x
#pragma code mycode=abc
#pragma foo
#pragma list
#pragma interrupt isr nosave=WREG
#pragma interruptlow low save=PROD nosave=PRODL
#pragma interruptlow low2 nosave=FSR1,section("data")
#pragma interrupt
#pragma interrupt isr save=
#pragma interrupt isr save PROD
#pragma interrupt isr save=section(x)
#pragma interrupt isr save=section("x"
#pragma interrupt isr save=PCLATH junk
#pragma varlocate 1 a b
#pragma varlocate 2 a, b
#pragma config OSC=HS
#pragma udata access
#pragma udata 5
#pragma tmpdata t char after_tmpdata;
int g;
