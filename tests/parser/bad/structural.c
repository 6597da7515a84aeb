#pragma udata
int x[] = { };
int (*p)(void) { }
int k(a) int a; { }
