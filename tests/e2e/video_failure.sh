#!/usr/bin/env bash
# When SDL's video can't start, the game says so on standard error and ends with exit code 1.
GAME=$1
source "$(dirname "$0")/lib.sh"

SDL_VIDEODRIVER=no_such_driver "$GAME" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr"
code=$?
[ "$code" = 1 ] || fail "exit code $code, expected 1"
head -c 20 "$E2E_TMP/stderr" | grep -qxF "Unable to init SDL: " || fail "standard error does not start with the init message"
grep -qF "Loading. . . " "$E2E_TMP/stdout" || fail "the loading line is missing"
if grep -qF "Ready!" "$E2E_TMP/stdout"; then fail "Ready! printed although video failed"; fi
echo "PASS"
