#!/bin/bash
# Preprocesses the generated benchmark input with cppqx and with the host's
# gcc -E on the same input in the same run, and prints both throughputs.
#   bench/cppqx/run_bench.sh BUILD_DIR [SCALE] [REPEATS]   (SCALE 3: about 3.5 MB)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
scale=${2:-3}
repeats=${3:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/gen_input.py" "$work/src" "$scale"
input_bytes=$(cat "$work"/src/*.c "$work"/src/*.h | wc -c)
main_bytes=$(wc -c < "$work/src/main.c")
headers=$(ls "$work"/src/*.h | wc -l)

# Best wall time and best CPU time (user + system) of REPEATS runs, in seconds.
best_time() {
  local best_wall="" best_cpu=""
  for _ in $(seq "$repeats"); do
    local wall cpu
    /usr/bin/time -o "$work/time" -f "%e %U %S" "$@" > /dev/null 2>&1
    read -r wall cpu < <(awk '{print $1, $2 + $3}' "$work/time")
    if [ -z "$best_wall" ] || [ "$(echo "$wall < $best_wall" | bc -l)" = 1 ]; then best_wall=$wall; fi
    if [ -z "$best_cpu" ] || [ "$(echo "$cpu < $best_cpu" | bc -l)" = 1 ]; then best_cpu=$cpu; fi
  done
  echo "$best_wall $best_cpu"
}

# Throughput in MB/s of main.c for a time in seconds (0.01 s is the clock's grain).
rate() { echo "$main_bytes / ($1 + 0.000001) / 1000000" | bc -l; }

report() {
  printf '%-24s wall %6.3f s (%6.1f MB/s)   cpu %6.3f s (%6.1f MB/s)\n' "$1" "$2" "$(rate "$2")" "$3" "$(rate "$3")"
}

cd "$work/src"
read -r w_cppqx c_cppqx < <(best_time "$build/bin/cppqx" -o "$work/cppqx.i" main.c)
read -r w_gcc c_gcc < <(best_time gcc -E -P -o "$work/gcc.i" main.c)
read -r w_gccl c_gccl < <(best_time gcc -E -o "$work/gcc_lines.i" main.c)
printf 'input: main.c %d bytes, %d headers, %d bytes of source in all (scale %s), best of %d runs\n' \
  "$main_bytes" "$headers" "$input_bytes" "$scale" "$repeats"
report "cppqx" "$w_cppqx" "$c_cppqx"
report "gcc -E -P" "$w_gcc" "$c_gcc"
report "gcc -E (line markers)" "$w_gccl" "$c_gccl"
printf 'output: cppqx %d bytes, gcc -E -P %d bytes\n' "$(wc -c < "$work/cppqx.i")" "$(wc -c < "$work/gcc.i")"
# Both outputs must hold the same tokens; spacing and line layout may differ.
grep -v '^#line ' "$work/cppqx.i" | tr -s ' \t\n' '\n\n\n' | grep -v '^$' > "$work/cppqx.tok" || true
tr -s ' \t\n' '\n\n\n' < "$work/gcc.i" | grep -v '^$' > "$work/gcc.tok" || true
if cmp -s "$work/cppqx.tok" "$work/gcc.tok"; then
  echo "token streams: identical ($(wc -l < "$work/gcc.tok") blank-separated words)"
else
  echo "token streams: DIFFER"
  diff "$work/cppqx.tok" "$work/gcc.tok" | head -10
fi
