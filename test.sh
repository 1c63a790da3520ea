#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the normal build
# (warnings are errors), then the tests again built with AddressSanitizer and
# UndefinedBehaviorSanitizer, last the file readers' fuzz targets built with clang and run
# for a few seconds each.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
jobs=$(nproc)

echo "== build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHLARK_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizer build and test =="
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZEPHLARK_SANITIZE=ON \
    -DZEPHLARK_WERROR=ON -DZEPHLARK_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/sanitizer/lsan.supp":print_suppressions=0 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== fuzz targets: build with clang and a short run of each =="
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHLARK_FUZZ=ON \
    -DZEPHLARK_TESTS=OFF -DZEPHLARK_BENCH=OFF -DZEPHLARK_WERROR=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target entity_reader_fuzz tile_reader_fuzz level_reader_fuzz
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
