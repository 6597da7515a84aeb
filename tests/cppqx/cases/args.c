/* Argument collection: nesting, new lines, directives between the lines. */
#define f(a, b) <a|b>
#define id(x) x
f((1,2), [3])
f(
  first,
  second
) after
f(,) f( , ) id() id(id)(5)
id
(6)
id
#define X 7
(X)
#define NOTF 1
f(id
#ifdef NOTF
  (yes)
#else
  (no)
#endif
, 2)
id /* not an invocation */ ; id ;
