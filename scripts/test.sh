#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (no display needed).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
. "$ROOT/scripts/packages.sh"
install_missing
build
cd "$ROOT/build"
# The fuzz targets (label "fuzz") run only from tests/fuzz/run.sh or `ctest -L fuzz`.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -LE fuzz -j"$(nproc)"
