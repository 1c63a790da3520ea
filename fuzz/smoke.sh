#!/usr/bin/env bash
# smoke.sh <fuzzer> <seed dir> <regression dir> [seconds]
# Replays every kept input that once made the fuzzer fail, then fuzzes for a few seconds from
# the seeds in a scratch corpus (the seed folder itself is never written).
set -euo pipefail
fuzzer=$1 seeds=$2 regressions=$3 seconds=${4:-5}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(dirname "$0")/../tests/sanitizer/lsan.supp:print_suppressions=0}

shopt -s nullglob
kept=("$regressions"/*)
if ((${#kept[@]} > 0)); then
    "$fuzzer" -runs=1 "${kept[@]}"
fi

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$seeds"/* "$corpus"/
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$corpus/" "$corpus"
