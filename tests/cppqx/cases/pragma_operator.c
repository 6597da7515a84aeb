/* _Pragma turns a string into a #pragma line, also from inside macros. */
#define DO_PRAGMA(x) _Pragma(#x)
#define SECTION(name) DO_PRAGMA(code name)
int a; DO_PRAGMA(udata "sec" bank1) int b;
SECTION(fast_code)
_Pragma("interrupt isr save=PROD") int c;
_Pragma(L"list")
#define _Pragma 1
_Pragma x
_Pragma("unterminated
int d;
