/* __VA_ARGS__ belongs to the replacement of a macro with '...' only: it
   cannot be defined, undefined, or used by other macros. */
#define __VA_ARGS__ 1
#undef __VA_ARGS__
#define obj __VA_ARGS__
#define fn(x) x __VA_ARGS__
#define ok(x, ...) x __VA_ARGS__
obj fn(1) ok(2, 3)
