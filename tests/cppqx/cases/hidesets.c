/* A macro is not replaced inside its own replacement, directly or through others. */
#define foo foo
foo
#define a b
#define b a
a b
#define f(x) x f
f(1)(2)
#define g(x) g(x)
g(g(1))
#define AA BB
#define BB AA(1)
#define CC(x) x
AA CC(AA)
#define NIL(xxx) xxx
#define G_0(arg) NIL(G_1)(arg)
#define G_1(arg) NIL(arg)
G_0(42)
#define LPAREN (
#define RPAREN )
#define F(x, y) x + y
#define ELLIP_FUNC(...) __VA_ARGS__
ELLIP_FUNC(F, LPAREN, 'a', 'b', RPAREN);
