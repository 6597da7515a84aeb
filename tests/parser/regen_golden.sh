#!/bin/sh
# Rewrites the expected files of the parser's golden tests from the current
# front-dump. Read every diff (git diff tests/parser/golden) before committing.
#   tests/parser/regen_golden.sh <build dir>
set -e
# The dump runs inside the golden folder, so the build folder must be absolute.
build=$(cd "${1:?build directory}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
for c in "$here"/golden/*.c; do
  name=$(basename "$c" .c)
  flags=-d
  case "$name" in trace*) flags= ;; esac
  cmake -DDUMP="$build/bin/front-dump" -DDIR="$here/golden" -DNAME="$name" \
    -DFLAGS="$flags" -DUPDATE=1 -P "$here/../support/run_golden.cmake"
done
