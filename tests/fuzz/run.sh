#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each one after the other for SECONDS seconds
# (default 300), from its seed corpus; figures and any crash go to build-fuzz/fuzz/<target>.log.
#   tests/fuzz/run.sh [SECONDS] [TARGET...]      e.g. tests/fuzz/run.sh 60 csv xls
# Without clang or libFuzzer it says so and stops cleanly.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
SECONDS_EACH="${1:-300}"
shift || true
BUILD="${CERTAVO_FUZZ_BUILD:-$ROOT/build-fuzz}"
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=(profil particularizari resursa fundal csv xls biff xlsx ods registru)

if ! command -v clang++ >/dev/null 2>&1; then
  echo "clang++ is not installed: the fuzz targets are skipped."
  exit 0
fi
cmake -S "$ROOT" -B "$BUILD" -DCERTAVO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! grep -q '^CERTAVO_ARE_LIBFUZZER:INTERNAL=1' "$BUILD/CMakeCache.txt"; then
  echo "clang has no libFuzzer runtime here (Debian: libclang-rt-dev): the fuzz targets are skipped."
  exit 0
fi
cmake --build "$BUILD" -j"${JOBS:-2}" --target $(printf 'fuzz_%s ' "${TARGETS[@]}")

export QT_QPA_PLATFORM=offscreen
# Readers that take a path get their input through a file: keep it in memory when possible.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/fuzz/lsan.supp"
# Full stacks through the system libraries (built without frame pointers), or the suppressions
# cannot see which library a leak is in.
export ASAN_OPTIONS="fast_unwind_on_malloc=0"
status=0
for t in "${TARGETS[@]}"; do
  work="$BUILD/fuzz/corpus/$t"
  mkdir -p "$work"
  echo "== fuzz_$t for ${SECONDS_EACH}s"
  set +e
  "$BUILD/fuzz/fuzz_$t" -max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$BUILD/fuzz/$t-" "$work" "$ROOT/tests/fuzz/corpus/$t" >"$BUILD/fuzz/$t.log" 2>&1
  rc=$?
  set -e
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$BUILD/fuzz/$t.log" || true
  if [ $rc -ne 0 ]; then
    echo "fuzz_$t FAILED (exit $rc), see $BUILD/fuzz/$t.log"
    status=1
  fi
done
exit $status
