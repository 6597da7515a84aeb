/* Variable arguments, and the common ", ## __VA_ARGS__" form. */
#define debug(...) fprintf(stderr, __VA_ARGS__)
#define showlist(...) puts(#__VA_ARGS__)
#define report(test, ...) ((test)?puts(#test):\
 printf(__VA_ARGS__))
debug("Flag");
debug("X = %d\n", x);
showlist(The first, second, and third items.);
report(x>y, "x is %d but y is %d", x, y);
#define e(fmt, ...) f(fmt, ## __VA_ARGS__)
e(a) e(a,b) e(a,)
#define v(a, ...) [a|__VA_ARGS__]
v(1) v(1,2) v(1,2,3) v((1,2),(3,4))
