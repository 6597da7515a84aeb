#!/bin/bash
# Rewrites the expected files of the cppqx golden cases from the current
# program. Run it deliberately, then read every diff before committing:
#   tests/cppqx/regen.sh [build-dir] [case-name...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
shift || true
bin=$(cd "$build/bin" && pwd)/cppqx
cases=$(cd "$here/cases" && pwd -P)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for c in "$cases"/*.c; do names+=("$(basename "$c" .c)"); done
fi
for name in "${names[@]}"; do
  args=()
  if [ -f "$cases/$name.args" ]; then
    while IFS= read -r line; do args+=("$line"); done < "$cases/$name.args"
  fi
  set +e
  (cd "$cases" && SOURCE_DATE_EPOCH=0 "$bin" -o "$tmp/$name.i" -e "$tmp/$name.err" "${args[@]}" "$name.c" \
     > "$tmp/$name.stdout" 2> "$tmp/$name.stderr")
  status=$?
  set -e
  echo "$status" > "$cases/$name.status"
  sed "s#$cases/##g" "$tmp/$name.stdout" > "$cases/$name.diag"
  if [ -f "$tmp/$name.i" ]; then cp "$tmp/$name.i" "$cases/$name.out"; else rm -f "$cases/$name.out"; fi
  echo "$name: status $status"
done
