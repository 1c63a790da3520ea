# Shared helpers for the end-to-end tests: a private X server, the game started in it, and
# small waiting loops. Sourced by the scenario scripts; expects GAME (the zephlark binary) and
# runs from the project root, where data/ lies.

set -u

E2E_TMP=$(mktemp -d /tmp/zephlark-e2e.XXXXXX)
XVFB_PID=""
GAME_PID=""

cleanup() {
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill -9 "$GAME_PID" 2>/dev/null
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -f "$E2E_TMP/stdout" ]; then echo "--- game stdout:" >&2; head -c 2000 "$E2E_TMP/stdout" >&2; echo >&2; fi
    if [ -f "$E2E_TMP/stderr" ]; then echo "--- game stderr:" >&2; head -c 2000 "$E2E_TMP/stderr" >&2; fi
    echo "--- display check now: $(xdotool getdisplaygeometry 2>&1); sockets: $(ls /tmp/.X11-unix/ 2>&1 | tr '\n' ' '); locks: $(ls /tmp/.X*-lock 2>&1 | tr '\n' ' ')" >&2
    if [ -f "$E2E_TMP/xvfb.log" ]; then echo "--- Xvfb (display ${DISPLAY:-none}):" >&2; tail -n 20 "$E2E_TMP/xvfb.log" >&2; fi
    exit 1
}

# Starts Xvfb on a display number of its own and exports DISPLAY. Each test holds a lock on
# its number for its whole run, so tests running side by side never share or steal a display.
# -noreset: by default the server resets when its last client leaves, and a client connecting
# during that reset is refused.
start_x() {
    local n
    for n in $(seq 90 189); do
        exec 9>"/tmp/zephlark-e2e-display-$n.lock"
        if flock -n 9; then
            if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
                break
            fi
            flock -u 9
        fi
        exec 9>&-
        n=""
    done
    [ -n "$n" ] || fail "no free X display number"
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$E2E_TMP/xvfb.log" &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        if xdotool getdisplaygeometry >/dev/null 2>&1; then break; fi
        kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb on $DISPLAY ended at start"
        sleep 0.1
    done
    xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb on $DISPLAY does not answer"
    unset SDL_VIDEODRIVER
}

# Starts the game in the background, its output going to files.
start_game() {
    "$GAME" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
    GAME_PID=$!
}

# Waits for the game's window and sets WINDOW to its id.
WINDOW=""
wait_for_window() {
    local id=""
    for _ in $(seq 1 100); do
        id=$(xdotool search --name '^Zephlark!$' 2>/dev/null | head -n1)
        if [ -n "$id" ]; then WINDOW=$id; return 0; fi
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared"
        sleep 0.1
    done
    fail "no window named Zephlark! appeared"
}

# Waits until standard output holds the given text.
wait_for_output() {
    for _ in $(seq 1 100); do
        if grep -qF "$1" "$E2E_TMP/stdout" 2>/dev/null; then return 0; fi
        sleep 0.1
    done
    fail "standard output never held: $1"
}

# Waits for the game to end and sets EXIT_CODE to its exit code.
EXIT_CODE=""
wait_for_exit() {
    for _ in $(seq 1 100); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"
            EXIT_CODE=$?
            GAME_PID=""
            return 0
        fi
        sleep 0.1
    done
    fail "the game did not end within 10 seconds"
}

# Gives the game's window the keyboard focus, then types keys through the X server.
send_keys() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool key --delay 100 "$@"
}

# The usual opening: a fresh X server, the game in it, its window up and its start-up done.
# Sets WINDOW.
start_game_and_wait_until_ready() {
    start_x
    start_game
    wait_for_window
    wait_for_output "Ready!"
}

# Looking at the window: the scenario scripts that use these set SCREEN_PROBE. The answers
# about the latest shot, yes or no with the reason, go to $E2E_TMP/probe.log.

# Is the shot the welcome picture over the background?
shows_welcome() {
    "$SCREEN_PROBE" welcome "$1" 2>>"$E2E_TMP/probe.log" &&
        echo "the welcome picture shows" >>"$E2E_TMP/probe.log"
}

# Where the pointer is, in window coordinates, as the game knows it: (0, 0) until it moves.
# The tile editor marks the cell under it and writes that cell's tile name above it on every
# game frame, so the checks below are told where it is.
POINTER_X=0
POINTER_Y=0

# Moves the pointer to (x, y) in WINDOW and waits until the X server has it there. The game
# takes the motion within a frame or two; the screen checks retry until it has.
place_pointer() {
    xdotool mousemove --window "$WINDOW" --sync "$1" "$2" || fail "cannot move the pointer to $1, $2"
    POINTER_X=$1
    POINTER_Y=$2
}

# A place for the pointer out of the way: low in the bottom row of cells, with room on its
# right for the longest tile name.
park_pointer() { place_pointer 600 500; }

# Is the shot a game frame (the level, scrolled, and the robot)? When it is, sets SCENE_COLUMN
# (the level column at the left edge), SCENE_SCROLL (pixels), SCENE_GONE (1 when the level has
# already let go of that column, whose strip shows bare background, else 0), SCENE_ROBOT_X and
# SCENE_ROBOT_Y.
SCENE_COLUMN=""
SCENE_SCROLL=""
SCENE_GONE=""
SCENE_ROBOT_X=""
SCENE_ROBOT_Y=""
shows_scene() {
    local answer
    answer=$("$SCREEN_PROBE" scene "$1" "$POINTER_X" "$POINTER_Y" 2>&1)
    local code=$?
    echo "$answer" >>"$E2E_TMP/probe.log"
    [ "$code" = 0 ] || return 1
    local pattern='level column ([0-9]+) at the left edge, scrolled ([0-9]+) pixels( \(that column already gone\))?.*robot at x (-?[0-9]+), y (-?[0-9]+)'
    [[ $answer =~ $pattern ]] || return 1
    SCENE_COLUMN=${BASH_REMATCH[1]}
    SCENE_SCROLL=${BASH_REMATCH[2]}
    SCENE_GONE=0
    [ -z "${BASH_REMATCH[3]}" ] || SCENE_GONE=1
    SCENE_ROBOT_X=${BASH_REMATCH[4]}
    SCENE_ROBOT_Y=${BASH_REMATCH[5]}
}

# Does the 64-pixel square at (x, y) of the shot show the named tile (in one of its frames,
# the background where it is transparent), or for "empty" the bare background? Arguments:
# shot x y name.
shows_tile() {
    "$SCREEN_PROBE" tile "$1" "$2" "$3" "$4" "$POINTER_X" "$POINTER_Y" 2>>"$E2E_TMP/probe.log" &&
        echo "$4 shows at $2, $3" >>"$E2E_TMP/probe.log"
}

# Is the text written on the shot in the game's font, from (x, y)? Arguments: shot x y text,
# and optionally the font (kestrine_9, the default, or kestrine_9_negative, the editor's).
shows_text() {
    "$SCREEN_PROBE" text "$@" 2>>"$E2E_TMP/probe.log" &&
        echo "\"$4\" is written at $2, $3" >>"$E2E_TMP/probe.log"
}

# Takes screenshots of WINDOW into the file until the check (a function, given the file)
# answers yes, for up to the given number of seconds. A shot may catch the game halfway
# through a frame; the next one is taken a moment later. On failure the answers about the
# shot that came closest (the one with the most answers) go to standard error.
wait_for_screen() {
    local seconds=$1 shot=$2 check=$3
    local deadline=$((SECONDS + seconds))
    : >"$E2E_TMP/closest.log"
    while :; do
        : >"$E2E_TMP/probe.log"
        if "$SCREEN_PROBE" capture "$WINDOW" "$shot" 2>>"$E2E_TMP/probe.log" && "$check" "$shot"; then
            return 0
        fi
        if [ "$(wc -l <"$E2E_TMP/probe.log")" -ge "$(wc -l <"$E2E_TMP/closest.log")" ]; then
            cp "$E2E_TMP/probe.log" "$E2E_TMP/closest.log"
        fi
        [ "$SECONDS" -lt "$deadline" ] || break
        sleep 0.2
    done
    echo "--- the closest shot:" >&2
    cat "$E2E_TMP/closest.log" >&2
    return 1
}
