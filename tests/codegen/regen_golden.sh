#!/bin/sh
# Rewrites the expected output of the named golden inputs (all when none is
# named) from the current gen-dump: tests/codegen/regen_golden.sh BUILD [name...]
# Review every changed file before committing it.
build=$1
shift
dir=$(cd "$(dirname "$0")/golden" && pwd)
names=$*
[ -n "$names" ] || names=$(cd "$dir" && ls *.c | sed 's/\.c$//')
for name in $names; do
  cmake -DDUMP="$build/bin/gen-dump" -DDIR="$dir" -DNAME="$name" -DOUT=/tmp -DUPDATE=1 \
    -P "$dir/../../support/run_golden.cmake"
done
