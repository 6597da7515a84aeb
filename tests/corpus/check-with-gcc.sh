#!/bin/sh
# check-with-gcc.sh - check the corpus with the host's gcc (compiled to
# assembly and discarded, so that unused and uninitialised objects are seen too).
#
# Usage: check-with-gcc.sh [file.c ...]   (default: every *.c beside this script)
#
# gcc knows none of the target's extensions, so each file is first rewritten
# into plain C89 with its line structure kept (so gcc's line numbers still
# point into the original file):
#   short long                -> long
#   0b1010 binary constants   -> hexadecimal constants
#   _asm ... _endasm blocks   -> blank lines
#   rom ram near far          -> nothing (macros on the gcc command line)
# The headers in include/ get the same treatment. Every program must also be
# 40 to 300 lines long and may include only headers from include/.
#
# Exit status: 0 when every file passes, 1 when any fails, 2 on a usage error.

here=$(cd "$(dirname "$0")" && pwd)
command -v gcc >/dev/null 2>&1 || { echo "check-with-gcc.sh: gcc not found" >&2; exit 2; }
command -v perl >/dev/null 2>&1 || { echo "check-with-gcc.sh: perl not found" >&2; exit 2; }

work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT INT TERM

# rewrite IN OUT: the plain-C89 version of one file.
rewrite() {
    perl -0777 -pe '
        s{\b_asm\b(.*?)\b_endasm\b}{ my $b = $1; my $n = ($b =~ tr/\n//); "\n" x $n }gse;
        s{\b0[bB]([01]+)([uUlL]*)\b}{ sprintf("0x%X%s", oct("0b$1"), $2) }ge;
        s{\bshort\s+long\b}{long}g;
    ' "$1" > "$2"
}

mkdir -p "$work/include"
for h in "$here"/include/*.h; do
    rewrite "$h" "$work/include/$(basename "$h")"
done

if [ $# -eq 0 ]; then
    set -- "$here"/*.c
fi

failed=0
count=0
for src in "$@"; do
    if [ ! -f "$src" ]; then
        echo "check-with-gcc.sh: no such file: $src" >&2
        exit 2
    fi
    count=$((count + 1))
    name=$(basename "$src")
    lines=$(wc -l < "$src")
    if [ "$lines" -lt 40 ] || [ "$lines" -gt 300 ]; then
        echo "$name: $lines lines (must be 40 to 300)"
        failed=$((failed + 1))
        continue
    fi
    if grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*<' "$src"; then
        echo "$name: includes a system header"
        failed=$((failed + 1))
        continue
    fi
    rewrite "$src" "$work/$name"
    if ! gcc -S -o /dev/null -O1 -std=c89 -pedantic-errors -ffreestanding -nostdinc \
            -Wall -Wextra -Werror -Wno-unknown-pragmas \
            -Wstrict-prototypes -Wmissing-prototypes -Wold-style-definition \
            -Wno-long-long \
            -Dnear= -Dfar= -Drom= -Dram= \
            -I"$work/include" -x c "$work/$name" 2>"$work/$name.log"; then
        sed "s|$work/|corpus/|g" "$work/$name.log"
        echo "$name: FAILED"
        failed=$((failed + 1))
    fi
done

echo "$((count - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
