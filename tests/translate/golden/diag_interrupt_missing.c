#pragma interrupt first_missing
#pragma interruptlow second_missing
#pragma interrupt first_missing
void defined_isr(void);
#pragma interrupt defined_isr
void defined_isr(void)
{
}
#pragma interruptlow third_missing save=PRODL
