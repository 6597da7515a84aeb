#!/bin/sh
# Installs the Debian 12 packages the build and the tests need. Safe to run twice.
# When another package manager holds apt's or dpkg's lock, waits for it up to
# $VELC_APT_WAIT seconds (default 600) instead of failing at once.
# clang is not installed here: only the fuzz targets (fuzz/run.sh) need it,
# and that script installs it itself.
set -e
PKGS="build-essential g++ cmake ninja-build libpopt-dev flex bison googletest libgtest-dev python3"
WAIT=${VELC_APT_WAIT:-600}
missing=""
for p in $PKGS; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -n "$missing" ] || exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
APT="$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=$WAIT"

# apt-get waits for dpkg's lock by itself (DPkg::Lock::Timeout), but 'update'
# does not wait for the lock of the package lists: retry it while that lock
# is held.
waited=0
until out=$($APT update -qq 2>&1); do
  case $out in
    *"Could not get lock"*) ;;
    *) printf '%s\n' "$out" >&2; exit 1 ;;
  esac
  if [ "$waited" -ge "$WAIT" ]; then
    printf '%s\n' "$out" >&2
    exit 1
  fi
  [ "$waited" -eq 0 ] && echo "install-deps: another package manager is running; waiting for it" >&2
  sleep 5
  waited=$((waited + 5))
done
[ -n "$out" ] && printf '%s\n' "$out"
$APT install -y -qq $missing
