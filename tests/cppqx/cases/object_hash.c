/* # is an ordinary token in an object-like macro; ## still pastes. */
#define H #
#define HH a ## b
H define x HH
#define EMPTY
#define LPAREN (
-EMPTY- +EMPTY+ x/EMPTY/y
#define MINUS -
-MINUS-1 MINUS-MINUS
#define cat(a,b) a ## b
cat(1,e)+2 cat(., 5) cat(x, 1)cat(2,y) cat(+,+)
cat(/,/) cat(+,-)
