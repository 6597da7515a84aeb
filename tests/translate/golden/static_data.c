struct rec {
  char tag;
  int value;
  unsigned lo : 3;
  unsigned hi : 5;
  char *name;
};
union u {
  long l;
  char c;
};
char s3[3] = "abc";
char s5[5] = "ab";
char sx[] = "hey";
int table[] = {1, -2, 0x1234};
int grid[2][2] = {{1, 2}, {3}};
int flat[2][2] = {1, 2, 3, 4};
float half = 0.5;
long big = 0x12345678;
struct rec r = {'A', 300, 5, 17, "name"};
union u un = {0x01020304};
int *ptr = &table[1];
char *msg = "hey";
rom char rc = 7;
static int counter;
static int counter = 9;
int tentative;
int scalar_braced = {4};
