#!/usr/bin/env bash
# The real game in a real X server: the first picture is the welcome picture over the
# background; after Enter the window shows the level and the robot.
GAME=$1
source "$(dirname "$0")/lib.sh"
: "${SCREEN_PROBE:?the screen_probe program}"

start_game_and_wait_until_ready
window=$WINDOW

# The first frames may still be on their way: look a few times.
shows() {
    local what=$1 shot=$2
    for _ in $(seq 1 30); do
        if "$SCREEN_PROBE" capture "$window" "$shot" 2>"$E2E_TMP/probe.log" &&
            "$SCREEN_PROBE" "$what" "$shot" 2>>"$E2E_TMP/probe.log"; then
            return 0
        fi
        sleep 0.2
    done
    cat "$E2E_TMP/probe.log" >&2
    return 1
}

shows welcome "$E2E_TMP/welcome.png" || fail "the window does not show the welcome picture"
sleep 0.5
shows welcome "$E2E_TMP/welcome.png" || fail "the welcome picture does not stay up"

send_keys "$window" Return
shows scene "$E2E_TMP/scene.png" || fail "after Enter the window does not show the level and the robot"
first=$(grep -o 'level column [0-9]* at the left edge, scrolled [0-9]* pixels' "$E2E_TMP/probe.log")
echo "$first"
# A moment later the level has moved on.
sleep 0.3
shows scene "$E2E_TMP/later.png" || fail "the level and the robot do not stay on screen"
later=$(grep -o 'level column [0-9]* at the left edge, scrolled [0-9]* pixels' "$E2E_TMP/probe.log")
echo "$later"
[ -n "$first" ] && [ "$first" != "$later" ] || fail "the level does not scroll"
"$SCREEN_PROBE" welcome "$E2E_TMP/scene.png" 2>/dev/null && fail "the welcome picture is still up"

send_keys "$window" Escape
wait_for_exit
[ "$EXIT_CODE" = 0 ] || fail "Escape ended the game with exit code $EXIT_CODE"
echo "PASS"
