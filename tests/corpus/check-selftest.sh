#!/bin/sh
# check-selftest.sh - shows that check-with-gcc.sh accepts the target's
# extensions and refuses what the compiler would refuse: each case below
# is a small program written to a scratch folder and checked on its own.
# Exit status 0 when every case behaves as expected, 1 otherwise.

here=$(cd "$(dirname "$0")" && pwd)
check="$here/check-with-gcc.sh"
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT INT TERM

# body NAME: a valid program of 40 lines whose middle part is read from stdin.
body() {
    {
        echo '#include "hr_types.h"'
        echo '#include "hr_regs.h"'
        echo 'void main(void);'
        cat
        i=0
        while [ $i -lt 36 ]; do echo '/* filler */'; i=$((i + 1)); done
        echo 'void main(void) { for (;;) ; }'
    } > "$work/$1.c"
}

passed=0
failed=0
expect() {   # expect pass|fail NAME
    if "$check" "$work/$2.c" > "$work/$2.out" 2>&1; then got=pass; else got=fail; fi
    if [ "$got" = "$1" ]; then
        passed=$((passed + 1))
    else
        echo "case $2: expected $1, got $got"
        cat "$work/$2.out"
        failed=$((failed + 1))
    fi
}

body extensions <<'C'
short long acc = 0x7FFFFF;
rom const unsigned char mask = 0b10100101;
#pragma udata access fast
near unsigned char fast_var;
#pragma udata
void spin(void);
void spin(void) { _asm
    MOVLW 3
  here: DECFSZ fast_var, F, ACCESS
    BRA here
  _endasm }
C
expect pass extensions

body knr <<'C'
int add(a, b) int a; int b; { return a + b; }
C
expect fail knr

body mixed_decls <<'C'
static void f(void) { int a; a = 1; { } int b; b = a; (void)b; }
C
expect fail mixed_decls

body line_comment <<'C'
static int x; // not C89
C
expect fail line_comment

body no_prototype <<'C'
int helper(void) { return 1; }
C
expect fail no_prototype

body system_header <<'C'
#include <stdio.h>
C
expect fail system_header

body implicit_call <<'C'
static void f(void) { undeclared(); }
C
expect fail implicit_call

body unused_static <<'C'
static unsigned char forgotten;
C
expect fail unused_static

printf '%s\n' 'void main(void);' 'void main(void) { }' > "$work/too_short.c"
expect fail too_short

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
