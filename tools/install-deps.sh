#!/bin/sh
# Installs the Debian 12 packages the build and the tests need. Safe to run twice.
set -e
PKGS="build-essential g++ cmake ninja-build libpopt-dev flex bison googletest libgtest-dev clang python3"
missing=""
for p in $PKGS; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
fi
