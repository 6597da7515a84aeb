/* Malformed definitions are refused and leave the table unchanged. */
#define
#define 3 x
#define "s" x
#define F(a,a) a
#define G(a b) a
#define G2(a,
#define H(1) x
#define H2(a,) x
#define H3(__VA_ARGS__) x
#define H4(...,a) x
#define I$ 1
#define J(x) # y
#define K ## x
#define K2 x ##
#define L(x) ## x
#define defined 1
#define OK(x) #x
OK(fine) F G H I J K K2 L
#undef
#undef 3
#undef OK extra
OK
