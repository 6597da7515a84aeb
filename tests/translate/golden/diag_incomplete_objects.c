struct L;
struct L later;
struct L { int a; };
struct N never[2];
struct N never[2];
extern struct N ext;
union W w;
void f(void) { extern struct N e2; static struct N s2; struct N a2[3]; struct N *ok; }
struct N *gp;
void by_value(struct N a, struct N *b, struct N c[2]) { }
void proto(struct N a);
struct J;
void completed_later(struct J j);
struct J { int x; };
void completed_later(struct J j) { j.x = 1; }
