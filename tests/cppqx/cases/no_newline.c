/* The last line has no new-line character. */
#define X 1
int a = X;
#if 1
int b;
#endif