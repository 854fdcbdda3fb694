#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its embedded database.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
. "$ROOT/scripts/packages.sh"
install_missing
build
exec "$ROOT/build/bin/certavo" "$@"
