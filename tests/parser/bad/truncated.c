struct s { int a;
int f(int x) { return x +