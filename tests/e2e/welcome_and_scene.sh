#!/usr/bin/env bash
# The real game in a real X server: the first picture is the welcome picture over the
# background; after Enter the window shows the level and the robot, standing still under the
# countdown and moved on once the countdown is over.
GAME=$1
source "$(dirname "$0")/lib.sh"
: "${SCREEN_PROBE:?the screen_probe program}"

counting_down() { shows_text "$1" 321 220 "Get ready!" && shows_scene "$1"; }
counted_down() { ! shows_text "$1" 321 220 "Get ready!" && shows_scene "$1"; }

start_game_and_wait_until_ready
# The editor marks the cell under the pointer and names its tile: keep that in a known place.
park_pointer

wait_for_screen 6 "$E2E_TMP/welcome.png" shows_welcome || fail "the window does not show the welcome picture"
sleep 0.5
wait_for_screen 6 "$E2E_TMP/welcome.png" shows_welcome || fail "the welcome picture does not stay up"

send_keys "$WINDOW" Return
wait_for_screen 6 "$E2E_TMP/scene.png" counting_down ||
    fail "after Enter the window does not show \"Get ready!\" over the level and the robot"
first="level column $SCENE_COLUMN at the left edge, scrolled $SCENE_SCROLL pixels"
echo "during the countdown: $first"
"$SCREEN_PROBE" welcome "$E2E_TMP/scene.png" 2>/dev/null && fail "the welcome picture is still up"

# The countdown takes three seconds, then the level moves on.
wait_for_screen 12 "$E2E_TMP/later.png" counted_down ||
    fail "after the countdown the window does not show the level and the robot"
later="level column $SCENE_COLUMN at the left edge, scrolled $SCENE_SCROLL pixels"
echo "after the countdown: $later"
[ "$first" != "$later" ] || fail "the level does not scroll"

send_keys "$WINDOW" Escape
wait_for_exit
[ "$EXIT_CODE" = 0 ] || fail "Escape ended the game with exit code $EXIT_CODE"
echo "PASS"
