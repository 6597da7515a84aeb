struct P { char a; int b; } s, *ps, arr[3];
struct Q { char pad[3]; struct P p[2]; } q;
int *pb = &s.b;
int *pc = &arr[2].b;
int *pd = &q.p[1].b;
char *pe = q.pad + 1;
rom struct P rs = {1, 2};
rom int *pg = &rs.b;
