int a[10 / 0];
int b[2 * 3];
int c[-1];
int n;
int d[n];
