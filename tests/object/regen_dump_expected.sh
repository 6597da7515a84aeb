#!/bin/sh
# Regenerates the expected listings of the dump tool's end-to-end tests from
# a build folder. Run deliberately, then read every line of `git diff`.
#   tests/object/regen_dump_expected.sh build
set -eu
build=${1:?usage: regen_dump_expected.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/bin/make_sample_object" sample.o
TZ=UTC "$build/bin/velcqx-dump" sample.o > "$here/sample_dump.expected"
TZ=UTC "$build/bin/velcqx-dump" -d sample.o > "$here/sample_dump_d.expected"
"$build/bin/make_every_inst_object" every.o
TZ=UTC "$build/bin/velcqx-dump" -d every.o > "$here/every_inst_dump_d.expected"
echo "regenerated sample_dump.expected, sample_dump_d.expected and every_inst_dump_d.expected; review with git diff"
