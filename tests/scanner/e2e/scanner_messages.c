/* Constants, escapes and line markers as the compiler reports them. */
char a = '\q';
char b = 'ab';
char s[] = "\^A\q\E";
#line 100 "other.h"
char c = '\w';
#line 7 "scanner_messages.c"
int __LINE__x;
char d = '\z';
