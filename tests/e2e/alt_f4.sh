#!/usr/bin/env bash
# Alt with F4 ends the game at once, with exit code 0; each key alone does nothing.
GAME=$1
source "$(dirname "$0")/lib.sh"

start_game_and_wait_until_ready
window=$WINDOW

send_keys "$window" F4 Alt_R
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "F4 or Alt alone ended the game"

send_keys "$window" alt+F4
wait_for_exit
code=$EXIT_CODE
[ "$code" = 0 ] || fail "Alt with F4 ended the game with exit code $code"
echo "PASS"
