/* Long stretches without output get a line marker instead of blank lines. */
int a;
#if 0
1
2
3
4
5
6
7
8
9
10
#endif
int b;



int c;
#define F(x, y) x y
F(
1
,
2) int d;
int e;
