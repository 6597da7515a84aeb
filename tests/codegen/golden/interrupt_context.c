unsigned char count, a, b;
unsigned int wide;
unsigned char *ptr;

#pragma udata mysec
unsigned char block[4];
#pragma udata

void helper(void)
{
  count = a * b;
}

void low_calls(void);
#pragma interruptlow low_calls
void low_calls(void)
{
  helper();
}

void high_plain(void);
#pragma interrupt high_plain
void high_plain(void)
{
  count++;
}

void high_mul(void);
#pragma interrupt high_mul nosave=PROD
void high_mul(void)
{
  count = a * b;
}

void low_bare(void);
#pragma interruptlow low_bare nosave=STATUS, WREG
void low_bare(void)
{
  count = 1;
}

void high_locals(void);
#pragma interrupt high_locals
void high_locals(void)
{
  unsigned char k = 3;
  *ptr = k + a;
}

void low_saves(void);
#pragma interruptlow low_saves save=wide, section("mysec"), helper
void low_saves(void)
{
  wide = 7;
  block[1] = 2;
}

void high_table(void);
#pragma interrupt high_table
void high_table(void)
{
  _asm
    TBLRDPOSTINC
  _endasm
}

void high_nosave_call(void);
#pragma interrupt high_nosave_call nosave=section(".tmpdata"), FSR0
void high_nosave_call(void)
{
  helper();
}
