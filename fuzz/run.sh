#!/bin/bash
# Builds the libFuzzer targets in a clang build folder and runs each in turn,
# one at a time and niced, then prints a table per target: inputs executed,
# coverage (cov and ft of libFuzzer's final statistics) and findings (crash,
# leak, timeout and out-of-memory files).
#
#   fuzz/run.sh [-t SECONDS | -n RUNS] [-d DIR] [-b BUILD] [TARGET...]
#
#   -t SECONDS  time per target (default 60)
#   -n RUNS     number of inputs per target instead of a time
#   -d DIR      corpora, seeds, findings and logs (default $HOME/.cache/velcqx-fuzz);
#               kept between runs, outside the repository
#   -b BUILD    the clang build folder (default build-fuzz at the top of the repository)
#   TARGET      cppqx translate compile object link sim_hex sim_map (default: all)
#
# Each target starts from the seeds made on the first run from the project's
# own inputs (C programs of the tests and examples, their preprocessed text,
# objects, HEX and map files) plus the corpus it grew before. The targets'
# own output is not logged (a diagnostic per input filled hundreds of
# megabytes); libFuzzer's lines and the sanitizers' reports are. Run the
# target on a finding's file to see its messages. Needs clang++
# with libFuzzer; the normal build and CI never run this.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=60 runs="" dir="$HOME/.cache/velcqx-fuzz" build="$root/build-fuzz"
while getopts "t:n:d:b:" o; do
  case $o in
  t) seconds=$OPTARG ;;
  n) runs=$OPTARG ;;
  d) dir=$OPTARG ;;
  b) build=$OPTARG ;;
  *) sed -n '2,20p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
all="cppqx translate compile object link sim_hex sim_map"
targets=${*:-$all}
for t in $targets; do
  case " $all " in *" $t "*) ;; *) echo "run.sh: no target '$t' (one of: $all)" >&2; exit 2 ;; esac
done
if ! command -v clang++ >/dev/null 2>&1; then
  echo "run.sh: clang++ not found; installing the clang package" >&2
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  APT="$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600"
  $APT update -qq && $APT install -y -qq clang || true
  command -v clang++ >/dev/null 2>&1 || { echo "run.sh: needs clang++ with libFuzzer (Debian package clang)" >&2; exit 1; }
fi
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
# Programs built with the sanitizers run during the build (the grammar
# generator) and to make seeds: their leaks at exit are not findings here.
export ASAN_OPTIONS=detect_leaks=0 SOURCE_DATE_EPOCH=0

# --- build ---------------------------------------------------------------
if [ ! -f "$build/build.ninja" ]; then
  # ccache speeds up rebuilds when the machine has it; it is not needed.
  launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELC_FUZZ=ON -DVELC_TESTS=OFF \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
fi
# The build's output is shown only when it fails.
if ! out=$(ninja -C "$build" -j2 $(for t in $all; do printf 'fuzz_%s ' "$t"; done) cppqx velcqx-extended harrow-link 2>&1); then
  printf '%s\n' "$out" | grep -v '^\[' >&2
  echo "run.sh: the build in $build failed" >&2
  exit 1
fi
bin=$build/bin

# --- seeds ---------------------------------------------------------------
# Made once into $dir/seeds/TARGET; delete that folder to make them again.
s_seeds() {
  local s=$dir/seeds work
  [ -d "$s" ] && return
  work=$(mktemp -d)
  mkdir -p "$s"/{cppqx,translate,compile,object,link,sim_hex,sim_map}
  local sources=("$root"/tests/cppqx/cases/*.c "$root"/tests/exec/c/*.c "$root"/examples/*.c
                 "$root"/tests/translate/golden/*.c "$root"/tests/codegen/golden/*.c)
  local hdrs=("$root"/tests/cppqx/cases/inc/*.h) libh=("$root"/include/*.h) n=0 c b libs=()
  # Programs of the execution tests link with their check support and, when
  # the normal build made them, the C and run-time libraries.
  "$bin/velcqx-extended" -fe /dev/null -I "$root/tests/exec" -fo "$work/check.o" "$root/tests/exec/support/check.c" \
    >/dev/null 2>&1 && libs+=("$work/check.o")
  for c in "$root"/build/lib/libc.a "$root"/build/lib/runtime.a; do [ -f "$c" ] && libs+=("$c"); done
  for c in "${sources[@]}"; do
    [ -f "$c" ] || continue
    n=$((n + 1)); b=$(basename "$c" .c)_$n
    cp "$c" "$s/cppqx/$b.c"
    # With the two headers: the source first includes them.
    { printf '#include "inc.h"\n#include <sys.h>\n'; cat "$c"; printf '\n@@\n'
      cat "${hdrs[n % ${#hdrs[@]}]}" 2>/dev/null || true; printf '\n@@\n'
      cat "${libh[n % ${#libh[@]}]}" 2>/dev/null || true; } >"$s/cppqx/$b.with_headers.c"
    (cd "$work" && "$bin/velcqx-extended" -E -fe /dev/null -I "$root/tests/exec" "$c" >/dev/null 2>&1 &&
      mv "$(basename "$c" .c).i" "$s/translate/$b.i") || true
    [ -f "$s/translate/$b.i" ] && cp "$s/translate/$b.i" "$s/compile/$b.i"
    (cd "$work" && "$bin/velcqx-extended" -fe /dev/null -I "$root/tests/exec" -fo "$s/object/$b.o" "$c" >/dev/null 2>&1) || rm -f "$s/object/$b.o"
    if [ -f "$s/object/$b.o" ] &&
       "$bin/harrow-link" --startup --no-default-libs -o "$work/$b.hex" -m "$work/$b.map" "$s/object/$b.o" "${libs[@]}" >/dev/null 2>&1; then
      cp "$work/$b.hex" "$s/sim_hex/"; cp "$work/$b.map" "$s/sim_map/"
    fi
  done
  cp "$root"/tests/sim/cases/*.hex "$s/sim_hex/" 2>/dev/null || true
  cp "$root"/tests/sim/cases/*.map "$s/sim_map/" 2>/dev/null || true
  # Pairs of objects for the linker: each object with the next one.
  local objs=("$s"/object/*.o) i
  for ((i = 0; i + 1 < ${#objs[@]}; i++)); do
    { cat "${objs[i]}"; printf VELCLINK; cat "${objs[i + 1]}"; } >"$s/link/pair_$i"
  done
  rm -rf "$work"
}
s_seeds

# --- runs ----------------------------------------------------------------
s_dict() {
  case $1 in
  cppqx | translate | compile) echo "$root/fuzz/c.dict" ;;
  object | link) echo "$root/fuzz/object.dict" ;;
  sim_hex) echo "$root/fuzz/hex.dict" ;;
  sim_map) echo "$root/fuzz/map.dict" ;;
  esac
}
# The C targets are slow under the sanitizers: units of at most 4 KB run
# twice as many inputs a second as 16 KB (the preprocessor: 909 against
# 408) and reach the same coverage.
s_max_len() { case $1 in cppqx | translate | compile) echo 4096 ;; *) echo 16384 ;; esac; }
# libFuzzer's entropic schedule keeps per-feature counts that it updates on
# every run; with the whole compiler's 77,000 features that took 61 % of
# fuzz_compile's time, and without it the target runs four times as many
# inputs in a minute and reaches more coverage.
s_schedule() { [ "$1" = compile ] && echo -entropic=0 || echo -entropic=1; }
# A target runs in rounds of at most $round seconds, each a fresh process
# that reloads the corpus (and so sees what the other rounds added). The
# peak memory of one process only grows: fuzz_compile reached the 2 GB
# limit after 91,000 inputs in one process, though no input needs more
# than a few tens of MB alone.
round=1200
# Findings are crash, leak, timeout and out-of-memory files; a slow-unit
# file (an input over 10 s) is left for a look but ends nothing: on a
# loaded machine an ordinary input of the compiler targets takes that long
# under the sanitizers.
s_findings() { find "$1" -type f ! -name 'slow-unit-*' | wc -l; }
table=()
for t in $targets; do
  corpus=$dir/corpus/$t findings=$dir/findings/$t log=$dir/logs/$t-$(date +%Y%m%d-%H%M%S).log
  mkdir -p "$corpus" "$findings" "$dir/logs"
  before=$(s_findings "$findings")
  limit_text="$seconds s"
  [ -n "$runs" ] && limit_text="-runs=$runs"
  echo "run.sh: fuzz_$t $limit_text (log $log)" >&2
  executed=0 start=$SECONDS
  : >"$log"
  while :; do
    if [ -n "$runs" ]; then
      left=$((runs - executed)) limit=(-runs="$((runs - executed))" -max_total_time="$round")
    else
      left=$((seconds - (SECONDS - start))) limit=(-max_total_time="$((left < round ? left : round))")
    fi
    [ "$left" -gt 0 ] || break
    ( cd "$findings" && ASAN_OPTIONS=detect_leaks=1 nice -n 10 "$bin/fuzz_$t" "${limit[@]}" -timeout=10 \
        -rss_limit_mb=2048 -max_len="$(s_max_len "$t")" "$(s_schedule "$t")" -close_fd_mask=3 -print_final_stats=1 \
        -dict="$(s_dict "$t")" -artifact_prefix="$findings/" "$corpus" "$dir/seeds/$t" ) >>"$log" 2>&1 || true
    # A round that ends without its statistics (a finding) ends the target.
    n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | awk '{ s += $1 } END { print s + 0 }')
    [ "$n" -gt "$executed" ] && [ "$(s_findings "$findings")" -eq "$before" ] || { executed=$n; break; }
    executed=$n
  done
  # A target that fails on its seeds prints no coverage line.
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
  after=$(s_findings "$findings")
  table+=("$(printf '%-10s %12s %8s %8s %9s' "$t" "$executed" "${cov:-?}" "${ft:-?}" "$((after - before))")")
done
printf '%-10s %12s %8s %8s %9s\n' target inputs cov ft findings
printf '%s\n' "${table[@]}"
echo "findings, corpora and logs: $dir"
