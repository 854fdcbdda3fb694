#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (no display needed), with a Firebird
# server of its own for the shared-database tests, stopped again on the way out.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
. "$ROOT/scripts/packages.sh"
. "$ROOT/scripts/fbserver.sh"
install_missing
build
trap fbserver_stop EXIT
fbserver_start
cd "$ROOT/build"
# The fuzz targets (label "fuzz") run only from tests/fuzz/run.sh or `ctest -L fuzz`.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -LE fuzz -j"$(nproc)"
