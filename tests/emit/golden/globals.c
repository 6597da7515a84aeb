/* Objects with and without initialisers, their storage classes and the type
   word of every basic type; an extern object used by an initialiser becomes
   an external entry behind everything else. */
extern int far_away;

char c;
signed char sc = -3;
unsigned char uc = 200;
int i = 0x1234;
unsigned int ui = 65535u;
short s = -2;
short long sl = 0x123456;
unsigned short long usl = 0xFEDCBA;
long l = 0x12345678;
unsigned long ul = 0xCAFEBABEul;
float f = 1.5;
double d = -0.25;
static int hidden = 7;
static char hidden_bss;
int tentative;
int tentative;
int defined_late;
int defined_late = 42;
int *to_far_away = &far_away;
