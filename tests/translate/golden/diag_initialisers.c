struct pair {
  int a;
  int b;
};
int arr[2] = {1, 2, 3};
struct pair p1 = 5;
struct pair p2 = {1, 2, 3};
int scalar = {1, 2};
int notconst;
int bad = notconst;
char s3[3] = "abc";
int ints[2] = "ab";
void f(void)
{
  extern int e = 1;
  struct pair q = 7;
}
