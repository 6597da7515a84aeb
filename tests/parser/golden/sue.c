struct node {
  struct node *next;
  unsigned char flags : 3, : 2, mode : 3;
  union { int i; char c[2]; } u;
};
struct node head;
struct { int x; } anon1, anon2;
union word { unsigned int w; struct { unsigned char lo, hi; } b; };
enum colour { RED, GREEN = 5, BLUE, };
enum colour paint;
enum { ONE = 1, TWO } count;
struct later;
struct later *fwd;
