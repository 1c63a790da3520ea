#!/usr/bin/env bash
# fuzz/run.sh <entity|tile|level> [seconds]
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/, and fuzzes one reader (600 seconds unless told otherwise). The corpus grows in
# build-fuzz/corpus/<reader>/; a failing input is written there as crash-* and should be kept
# in fuzz/regressions/<reader>_reader_fuzz/ once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
which=${1:?usage: fuzz/run.sh <entity|tile|level> [seconds]}
seconds=${2:-600}
case "$which" in entity | tile | level) ;; *) echo "unknown reader: $which" >&2; exit 2 ;; esac
target=${which}_reader_fuzz

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZEPHLARK_FUZZ=ON -DZEPHLARK_TESTS=OFF -DZEPHLARK_BENCH=OFF -DZEPHLARK_WERROR=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "$target"

corpus=build-fuzz/corpus/$which
mkdir -p "$corpus"
cp -n fuzz/seeds/"$target"/* "$corpus"/ 2>/dev/null || true
export SDL_VIDEODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
exec build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$corpus/" "$corpus"
