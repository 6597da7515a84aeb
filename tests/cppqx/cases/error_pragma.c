/* #error reports 1099 with its text; #pragma lines pass through unreplaced. */
#define SECTION my_section
#error stop here: value is "not right" 'x'
#error
#pragma code SECTION
#pragma   udata   /* comment */  bank3   // trailing
int x;
#pragma interrupt high_isr save = PROD, section(".tmpdata")
int y; int z;
#warning a warning is only shown at level 2 and above
#pragma
int w;
