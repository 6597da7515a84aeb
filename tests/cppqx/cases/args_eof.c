/* The file ends inside an argument list. */
#define two(a, b) a+b
before
two(1,
  2
