/* A header with macros only: it is known from its line markers alone. */
#define TWICE(x) ((x) * 2)
