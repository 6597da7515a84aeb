/* An unterminated comment reports 1021 at its start. */
int a;
int b; /* never
closed
int c;
