#!/usr/bin/env bash
# A whole round and the next: Enter leaves the welcome picture and the countdown begins with
# the robot at its start; left alone the robot falls into the rock and the game stops with
# "Crashed!"; Enter then begins a new round from the start, countdown and all, and with Space
# held the robot climbs into the roof instead.
GAME=$1
source "$(dirname "$0")/lib.sh"
: "${SCREEN_PROBE:?the screen_probe program}"

counting_down() { shows_text "$1" 321 220 "Get ready!" && shows_scene "$1"; }
crashed() {
    shows_text "$1" 339 220 "Crashed!" && shows_text "$1" 276 238 "Press Enter to restart." &&
        shows_scene "$1"
}

# Every round begins the same: "Get ready!" with a number of the count (each is drawn over
# the one before, so the latest shows whole), no crash message, the robot at rest at its
# start and the level read again, its first column at the left edge.
check_round_start() {
    local round=$1 shot=$2
    local n numbers=""
    for n in 3 2 1; do
        if shows_text "$shot" 420 220 "$n"; then numbers="$numbers$n"; fi
    done
    [ -n "$numbers" ] || fail "$round: no number of the count at 420, 220"
    shows_text "$shot" 339 220 "Crashed!" && fail "$round: \"Crashed!\" shows during the countdown"
    shows_text "$shot" 276 238 "Press Enter to restart." &&
        fail "$round: \"Press Enter to restart.\" shows during the countdown"
    [ "$SCENE_ROBOT_X" = 128 ] && [ "$SCENE_ROBOT_Y" = 192 ] ||
        fail "$round: the robot is at $SCENE_ROBOT_X, $SCENE_ROBOT_Y, not at its start 128, 192"
    [ "$SCENE_COLUMN" = 0 ] || fail "$round: level column $SCENE_COLUMN is at the left edge, not column 0"
    echo "$round: count at $numbers, robot at y $SCENE_ROBOT_Y, level column 0 scrolled $SCENE_SCROLL pixels"
}

start_game_and_wait_until_ready
# The editor marks the cell under the pointer and names its tile: keep that in a known place.
park_pointer

wait_for_screen 6 "$E2E_TMP/welcome.png" shows_welcome || fail "the window does not show the welcome picture"
send_keys "$WINDOW" Return
wait_for_screen 6 "$E2E_TMP/countdown.png" counting_down ||
    fail "after Enter the window does not show \"Get ready!\" over the level and the robot"
check_round_start "first round" "$E2E_TMP/countdown.png"

# No input: the robot falls until it hits the rock.
wait_for_screen 20 "$E2E_TMP/crashed.png" crashed ||
    fail "\"Crashed!\" and \"Press Enter to restart.\" never show over the level and the robot"
[ "$SCENE_ROBOT_Y" != 192 ] || fail "the robot crashed without leaving its start at y 192"
crash="level column $SCENE_COLUMN scrolled $SCENE_SCROLL pixels, robot at $SCENE_ROBOT_X, $SCENE_ROBOT_Y"
echo "crashed: $crash"

# Once crashed nothing moves: a later frame shows the same.
sleep 0.5
wait_for_screen 6 "$E2E_TMP/still.png" crashed || fail "the crash messages do not stay up"
still="level column $SCENE_COLUMN scrolled $SCENE_SCROLL pixels, robot at $SCENE_ROBOT_X, $SCENE_ROBOT_Y"
[ "$still" = "$crash" ] || fail "after the crash the scene still moves: $crash, then $still"

send_keys "$WINDOW" Return
wait_for_screen 6 "$E2E_TMP/restart.png" counting_down ||
    fail "after Enter the crashed game does not count down again over the level and the robot"
check_round_start "second round" "$E2E_TMP/restart.png"

# Space held through this round: the robot climbs instead of falling, into the roof above its
# start.
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
xdotool keydown space
wait_for_screen 20 "$E2E_TMP/climbed.png" crashed ||
    fail "with Space held the robot never crashes into the roof"
xdotool keyup space
[ "$SCENE_ROBOT_Y" -lt 192 ] || fail "with Space held the robot crashed at y $SCENE_ROBOT_Y, not above its start"
echo "crashed with Space held: robot at $SCENE_ROBOT_X, $SCENE_ROBOT_Y"

send_keys "$WINDOW" Escape
wait_for_exit
[ "$EXIT_CODE" = 0 ] || fail "Escape ended the game with exit code $EXIT_CODE"
echo "PASS"
