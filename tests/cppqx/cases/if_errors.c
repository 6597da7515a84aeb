/* Malformed #if lines select nothing and report 1029, 1104, 1030, 1031, 1103. */
#if
int a;
#endif
#if 1 +
int b;
#endif
#if (1
int c;
#endif
#if 1 2
int d;
#endif
#if 1.0
int e;
#endif
#if "str"
int f;
#endif
#if 99999999999
int g;
#endif
#if 1 / 0
int h;
#endif
#if 5 % (2 - 2)
int i;
#endif
#if defined
int j;
#endif
#if defined(X
int k;
#endif
#if defined(3)
int l;
#endif
#if '\q' == 'q'
int m;
#endif
#if 1 = 1
int n;
#endif
#if 0x
int o;
#endif
#if 12abc
int p;
#endif
#if ''
int q;
#endif
#if 0
#elif
int r;
#else
int s;
#endif
int end;
