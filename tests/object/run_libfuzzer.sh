#!/bin/sh
# Builds the libFuzzer target of the object reader with clang (address and
# undefined-behaviour sanitizers) and runs it for a while, seeded with the
# sample object. Outside ctest: a deliberate, longer search.
#   tests/object/run_libfuzzer.sh [SECONDS]   (default 60)
# BUILD names the build folder whose make_sample_object writes the seed
# (default: build). Needs clang++ (Debian package clang), which the project's
# dependency script leaves out; it is installed here when missing.
set -eu
if ! command -v clang++ >/dev/null 2>&1; then
  echo "run_libfuzzer.sh: clang++ not found; installing the clang package" >&2
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  APT="$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600"
  $APT update -qq && $APT install -y -qq clang || true
  if ! command -v clang++ >/dev/null 2>&1; then
    echo "run_libfuzzer.sh: needs clang++ with libFuzzer (Debian package clang)" >&2
    exit 1
  fi
fi
seconds=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=${TMPDIR:-/tmp}/velc_object_libfuzzer
mkdir -p "$work/corpus"
build=${BUILD:-$root/build}
srcs="$root/tests/object/fuzz_coff_read.cpp
  $root/object/coff_predicates.cpp $root/object/coff_codec.cpp $root/object/coff_aux_codec.cpp
  $root/object/coff_record.cpp $root/object/coff_layout.cpp $root/object/coff_write.cpp
  $root/object/coff_read.cpp $root/object/coff_print.cpp $root/object/dump_disasm.cpp $root/object/dump_check.cpp
  $root/device/instset.cpp $root/device/inst_harrow.cpp $root/device/inst_disasm.cpp
  $root/device/inst_families.cpp $root/driver/cerror.cpp $root/driver/settings.cpp
  $root/driver/paths.cpp $root/util/hash.cpp $root/util/list.cpp $root/util/strcatdyn.cpp"
clang++ -std=c++20 -O1 -g -I"$root" -fsanitize=fuzzer,address,undefined $srcs -o "$work/fuzz_coff_read"
if [ -x "$build/bin/make_sample_object" ]; then
  (cd "$work/corpus" && "$build/bin/make_sample_object" sample.o)
fi
cd "$work"
./fuzz_coff_read -max_total_time="$seconds" -max_len=4096 corpus
