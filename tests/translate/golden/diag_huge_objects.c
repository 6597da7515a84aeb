char a[0x7FFFFFFF];
char b[0xFFFFFFFF];
char c[65536][65536];
long d[100000][100000][100000];
char e[-1];
char f[0];
void use_big(void) { char big[70000]; big[69999] = 1; c[65535][65535] = 2; }
struct H { char a[0x7FFFFFFF]; char b[0x7FFFFFFF]; char c[3]; } h;
struct H h2 = { {1} };
struct J { char a[0x7FFFFF]; char b[0x7FFFFF]; char c[0x7FFFFF]; } j = {{1}};
void use_structs(void) { struct H l; struct J m; l.c[0] = 1; m.c[1] = 2; }
char e3[0xFFFFFFFF][0xFFFFFFFF][0xFFFFFFFF];
