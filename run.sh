#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from this folder (where data/ lies).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zephlark -j "$(nproc)"
exec ./build/src/app/zephlark
