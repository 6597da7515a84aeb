struct L;
struct L later;
struct L { int a; };
struct N never[2];
struct N never[2];
extern struct N ext;
union W w;
void f(void) { extern struct N e2; static struct N s2; struct N a2[3]; struct N *ok; }
