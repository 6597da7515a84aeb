/* Comments become white space and keep the lines of what follows. */
int a; // a line comment
int/**/b; /* a
multi-line
comment */ int c;
char *s = "/* not a comment */ // nor this";
char ch = '/'; int d = 4 / 2 /* comment */ / 1;
#define X 1 /* comment in a directive
   that spans lines */ + 2
int e = X;
#define Y 3 // line comment in a directive
int f = Y;
int g = 1 //**/ 2
;
