/* The file ends inside the variable arguments. */
#define va(a, ...) a __VA_ARGS__
va(1, 2, (3
