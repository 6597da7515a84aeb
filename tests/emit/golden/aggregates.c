/* Structures, unions, bit fields, arrays and strings: each tag is written
   with its members and ".eos" just before the first symbol that needs it;
   unnamed members are named "__member_N"; a structure that refers to one
   still being written gets its index when that tag is done. */
struct inner { char lo, hi; };
struct outer { struct inner in; struct inner pair[2]; long tail; };
union number { long whole; struct { char b0; char b1; }; unsigned char bytes[4]; };
struct flags { unsigned ready : 1; unsigned mode : 3; unsigned level : 5; signed delta : 4; char after; };
struct list { struct list *next; struct item *first; };
struct item { struct list *owner; int value; };
struct opaque;

struct outer o = { { 1, 2 }, { { 3, 4 }, { 5, 6 } }, -1 };
union number n = { 0x04030201 };
struct flags fl = { 1, 5, 17, -2, 'z' };
struct list head;
struct item items[3][2];
struct opaque *hidden;
char word[] = "word";
char padded[6] = "ab";
int grid[2][3][4];
rom const char *greeting = "hello";
rom const char *again = "hello";
