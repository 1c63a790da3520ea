#!/usr/bin/env bash
# Takes the README's picture of a game frame: the real game in a private X server, Enter
# pressed, the window captured a moment later. Run from the project root after building:
#   tools/readme_screenshot.sh build/src/app/zephlark build/tests/e2e/screen_probe [out.png]
set -u
GAME=$1
PROBE=$2
OUT=${3:-docs/screenshot.png}
source "$(dirname "$0")/../tests/e2e/lib.sh"

start_game_and_wait_until_ready
send_keys "$WINDOW" Return
sleep "${SCREENSHOT_DELAY:-1.5}"
mkdir -p "$(dirname "$OUT")"
"$PROBE" capture "$WINDOW" "$OUT" || fail "could not capture the window"
"$PROBE" scene "$OUT" || fail "the captured picture is not a game frame"
send_keys "$WINDOW" Escape
wait_for_exit
echo "wrote $OUT"
