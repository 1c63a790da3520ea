#!/usr/bin/env bash
# The real game in a real X server: its window, caption, size and icon, its start-up lines,
# and Escape ending it with exit code 0.
GAME=$1
source "$(dirname "$0")/lib.sh"

start_game_and_wait_until_ready
window=$WINDOW

info=$(xwininfo -id "$window")
echo "$info" | grep -q "Width: 768" || fail "window is not 768 wide: $info"
echo "$info" | grep -q "Height: 512" || fail "window is not 512 high: $info"

name=$(xprop -id "$window" WM_NAME)
[ "$name" = 'WM_NAME(STRING) = "Zephlark!"' ] || fail "caption: $name"
icon_name=$(xprop -id "$window" WM_ICON_NAME)
[ "$icon_name" = 'WM_ICON_NAME(STRING) = "=3"' ] || fail "iconified caption: $icon_name"
xprop -id "$window" WM_HINTS | grep -q "bitmap id # to use for icon" || fail "no window icon: $(xprop -id "$window" WM_HINTS)"

head -c 11 "$E2E_TMP/stdout" | grep -qxF "Loading. . " || fail "standard output does not start with the loading line"
# Between the loading line and "Ready!" the level is filled: one type number per cell, 512.
# Every picture loads, so nothing else is written.
loading=$(cat "$E2E_TMP/stdout")
loading=${loading#Loading. . . }
loading=${loading%%Ready!*}
types=$(printf '%s\n' "$loading" | grep -cE '^[0-9]+$' || true)
[ "$types" = 512 ] || fail "expected 512 type lines before Ready!, found $types"
others=$(printf '%s\n' "$loading" | grep -vE '^[0-9]+$|^$' || true)
[ -z "$others" ] || fail "unexpected start-up lines: $others"

send_keys "$window" Escape
wait_for_exit
code=$EXIT_CODE
[ "$code" = 0 ] || fail "Escape ended the game with exit code $code"
[ ! -s "$E2E_TMP/stderr" ] || fail "unexpected standard error output"
echo "PASS"
