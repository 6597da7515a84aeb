/* Corner cases of rescanning, pasting and stringizing. */
#define f(a) a*g
#define g(a) f(a)
f(2)(9)
#define AA BB
#define BB AA
AA BB
#define obj(x) x obj
obj(obj)(1)
#define q(x) x
#define r q(r
r))
#define EMPTY
#define LPAREN (
#define RPAREN )
#define F(x, y) x + y
#define ELLIP_FUNC(...) __VA_ARGS__
ELLIP_FUNC(F, LPAREN, 'a', 'b', RPAREN);
#define i(x) x
#define j i(j)
j
i(j)
#define CAT(a,b) a##b
#define XCAT(a,b) CAT(a,b)
XCAT(XCAT(1,2),3) CAT(CAT(1,2),3)
#define NIL(x) x
#define G_0(arg) NIL(G_1)(arg)
#define G_1(arg) NIL(arg)
G_0(42)
#define h() H
h()() h ( ) EMPTY ()
#define str(x) #x
#define xstr(x) str(x)
xstr(__LINE__) str(__LINE__) xstr(EMPTY) str( a  "\n"  b )
#define m1(x) m2(x
#define m2(x) [x]
m1(1))
#define recur(x) recur(x) x
recur(recur(1))
