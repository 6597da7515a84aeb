#!/bin/sh
# Rewrites the expected listings of the emitter's golden files from the
# current build: tests/emit/regen_golden.sh [build folder, default build].
# Read every diff before committing it.
set -e
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build=$top/$build ;; esac
bin=$build/bin
for src in "$top"/tests/emit/golden/*.c; do
  name=$(basename "$src" .c)
  cmake -DCOMPILER="$bin/velcqx-extended" -DDUMP="$bin/velcqx-dump" -DROUNDTRIP="$build/tests/emit/emit-roundtrip" \
        -DLINKER="$bin/harrow-link" -DSIM="$bin/harrow-sim" -DDIR="$top/tests/emit/golden" -DNAME="$name" \
        -DOUT="$build" -DUPDATE=1 -P "$top/tests/emit/run_emit_golden.cmake"
done
