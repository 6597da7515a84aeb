/* Benign redefinitions agree; the last four do not (1034). */
#define OBJ_LIKE (1-1)
#define OBJ_LIKE /* white space */ (1-1) /* other */
#define FUNC_LIKE(a) ( a )
#define FUNC_LIKE( a )( /* note the white space */ \
 a /* other stuff on this line
 */ )
#define OBJ_LIKE (0)
#define OBJ_LIKE (1 - 1)
#define FUNC_LIKE(b) ( a )
#define FUNC_LIKE(b) ( b )
OBJ_LIKE FUNC_LIKE(z)
