#!/bin/bash
# Configures and builds everything into $VELC_BUILD (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${VELC_BUILD:-build}
cmake -S . -B "$BUILD" -G Ninja -DVELC_SANITIZE=${VELC_SANITIZE:-OFF} >/dev/null
ninja -C "$BUILD"
