/* A '#' that macro replacement leaves at the start of a line is text, not a
   directive: what follows it goes on a line of its own, so that the compiler
   never reads the pair as a line marker or a pragma. */
#define H #
#define E
H line 5 "x.c"
E # pragma foo
H define y
E #
after __LINE__ H
