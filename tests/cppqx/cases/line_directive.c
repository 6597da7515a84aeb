/* #line renumbers lines and renames the file for __LINE__, __FILE__ and diagnostics. */
int a = __LINE__;
#line 100
int b = __LINE__;
#line 200 "renamed.c"
int c = __LINE__; const char *f = __FILE__;
#define N 300
#define NAME "macro\\name.c"
#line N NAME
int d = __LINE__; const char *g = __FILE__;
#error reported in the renamed file
#line 0
#line x
#line 10 name
#line 10 "a" extra
#line 2147483648
#line
int e = __LINE__;
