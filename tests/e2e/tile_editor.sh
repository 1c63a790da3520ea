#!/usr/bin/env bash
# The tile editor in the real window, on a crashed round, where nothing moves any more: the
# editor names the brush and the tile under the pointer; period makes square_0 the brush,
# shown in the top-left cell; the left button paints it into an empty cell, at the cell's place
# before any scrolling; the right button carries a tile out of its cell into an empty one.
# First, on the same frame, the screen checks must notice a missing robot or a missing cell.
GAME=$1
source "$(dirname "$0")/lib.sh"
: "${SCREEN_PROBE:?the screen_probe program}"

NEGATIVE=kestrine_9_negative  # the editor's font
SIZE=64

crashed() { shows_text "$1" 339 220 "Crashed!" && shows_scene "$1"; }

start_game_and_wait_until_ready
park_pointer
wait_for_screen 6 "$E2E_TMP/welcome.png" shows_welcome || fail "the window does not show the welcome picture"
send_keys "$WINDOW" Return
wait_for_screen 20 "$E2E_TMP/crashed.png" crashed ||
    fail "the robot, left alone, never crashes over the level"
echo "crashed: level column $SCENE_COLUMN scrolled $SCENE_SCROLL pixels (gone: $SCENE_GONE), robot at $SCENE_ROBOT_X, $SCENE_ROBOT_Y"

# The game's grid of cells against the level file: grid column c holds file column
# (GRID_COLUMN + c) mod 64 and is drawn from x GRID_LEFT + 64 c. The pointer works on the grid
# cell whose unscrolled place it is over.
mapfile -t LEVEL < <(tr -s '[:space:]' '\n' <data/levels/level_0.lvl | grep -v '^$' | head -n 512)
[ "${#LEVEL[@]}" = 512 ] || fail "data/levels/level_0.lvl does not name 512 cells"
if [ "$SCENE_GONE" = 1 ]; then
    GRID_COLUMN=$(((SCENE_COLUMN + 1) % 64))
    GRID_LEFT=$((SIZE - SCENE_SCROLL))
else
    GRID_COLUMN=$SCENE_COLUMN
    GRID_LEFT=$((-SCENE_SCROLL))
fi
name_at() { echo "${LEVEL[$(($1 * 64 + (GRID_COLUMN + $2) % 64))]}"; }
drawn_x() { echo $((GRID_LEFT + SIZE * $1)); }

# The editor's text: the brush, still empty, and the name of the tile under the parked pointer.
shows_text "$E2E_TMP/crashed.png" 127 0 "empty" $NEGATIVE || fail "the empty brush is not named at 127, 0"
under=$(name_at $((POINTER_Y / SIZE)) $((POINTER_X / SIZE)))
shows_text "$E2E_TMP/crashed.png" "$POINTER_X" $((POINTER_Y - 9)) "$under" $NEGATIVE ||
    fail "\"$under\", the tile under the pointer at $POINTER_X, $POINTER_Y, is not named above it"

# The checks notice what is missing: the same frame with the robot, or one of the level's
# cells, covered by the background is no game frame.
"$SCREEN_PROBE" cover "$E2E_TMP/crashed.png" "$E2E_TMP/no_robot.png" \
    $((SCENE_ROBOT_X - 16)) $((SCENE_ROBOT_Y - 4)) 52 29 || fail "cannot cover the robot"
"$SCREEN_PROBE" scene "$E2E_TMP/no_robot.png" "$POINTER_X" "$POINTER_Y" 2>/dev/null &&
    fail "the scene check passes a frame without the robot"

# Three cells to work on, away from the robot, the crash messages (row 3), the editor's text
# (row 0) and the parked pointer (row 7), wholly on the screen: P, empty, to paint; A, holding
# a tile (other than square_0 where there is one), to carry into B, empty. P and B are seen at
# their unscrolled places, so every grid cell drawn across them must be empty as well; A is
# seen where it is drawn. The three squares must not overlap.
clear_of_robot() { [ $(($1 + SIZE)) -le $((SCENE_ROBOT_X - 16)) ] || [ "$1" -ge $((SCENE_ROBOT_X + 36)) ]; }
empty_around() {
    local row=$1 column=$2 j x
    for j in $((column - 1)) "$column" $((column + 1)); do
        x=$(drawn_x "$j")
        if [ $((x - SIZE * column)) -gt -$SIZE ] && [ $((x - SIZE * column)) -lt $SIZE ]; then
            [ "$(name_at "$row" "$j")" = empty ] || return 1
        fi
    done
}
apart() {  # row1 x1 row2 x2: the squares do not overlap
    [ "$1" != "$3" ] || [ $(($2 - $4)) -ge $SIZE ] || [ $(($4 - $2)) -ge $SIZE ]
}
P_ROW="" A_ROW="" B_ROW=""
for row in 1 2 4 5 6; do
    for column in 4 5 6 7 8 9 10; do
        x=$((SIZE * column))
        if [ -z "$P_ROW" ] && clear_of_robot "$x" && empty_around "$row" "$column"; then
            P_ROW=$row P_COLUMN=$column P_X=$x
        fi
    done
done
[ -n "$P_ROW" ] || fail "no empty cell to paint"
for row in 1 2 4 5 6; do
    for column in 4 5 6 7 8 9 10; do
        x=$(drawn_x "$column")
        name=$(name_at "$row" "$column")
        [ "$name" != empty ] && clear_of_robot "$x" && apart "$row" "$x" "$P_ROW" "$P_X" || continue
        if [ -z "$A_ROW" ] || { [ "$A_NAME" = square_0 ] && [ "$name" != square_0 ]; }; then
            A_ROW=$row A_COLUMN=$column A_X=$x A_NAME=$name
        fi
    done
done
[ -n "$A_ROW" ] || fail "no tile to carry"
for row in 1 2 4 5 6; do
    for column in 4 5 6 7 8 9 10; do
        x=$((SIZE * column))
        if [ -z "$B_ROW" ] && clear_of_robot "$x" && empty_around "$row" "$column" &&
            apart "$row" "$x" "$P_ROW" "$P_X" && apart "$row" "$x" "$A_ROW" "$A_X"; then
            B_ROW=$row B_COLUMN=$column B_X=$x
        fi
    done
done
[ -n "$B_ROW" ] || fail "no empty cell to carry a tile into"
echo "paint cell $P_ROW, $P_COLUMN; carry $A_NAME from cell $A_ROW, $A_COLUMN to cell $B_ROW, $B_COLUMN"

# Before any editing the squares show what the level file says: this also proves the grid
# worked out above.
P_Y=$((SIZE * P_ROW)) A_Y=$((SIZE * A_ROW)) B_Y=$((SIZE * B_ROW))
before() {
    shows_tile "$1" "$P_X" "$P_Y" empty && shows_tile "$1" "$A_X" "$A_Y" "$A_NAME" &&
        shows_tile "$1" "$B_X" "$B_Y" empty
}
wait_for_screen 6 "$E2E_TMP/before.png" before || fail "the cells to edit do not show the level file's tiles"
"$SCREEN_PROBE" cover "$E2E_TMP/before.png" "$E2E_TMP/no_cell.png" "$A_X" "$A_Y" $SIZE $SIZE ||
    fail "cannot cover a cell"
"$SCREEN_PROBE" scene "$E2E_TMP/no_cell.png" "$POINTER_X" "$POINTER_Y" 2>/dev/null &&
    fail "the scene check passes a frame with $A_NAME covered"

# Waits until the game has taken the pointer's move: it names the tile under it.
point_at() {
    local row=$1 column=$2
    place_pointer $((SIZE * column + 32)) $((SIZE * row + 32))
    POINTED_NAME=$3
    wait_for_screen 6 "$E2E_TMP/pointed.png" names_pointed ||
        fail "the game does not name $3 above the pointer over cell $row, $column"
}
names_pointed() { shows_text "$1" "$POINTER_X" $((POINTER_Y - 9)) "$POINTED_NAME" $NEGATIVE; }

# Period: the brush steps from empty to square_0, named at the top and shown at the top left.
brush_chosen() { shows_text "$1" 127 0 "square_0" $NEGATIVE && shows_tile "$1" 0 0 square_0; }
send_keys "$WINDOW" period
wait_for_screen 6 "$E2E_TMP/brush.png" brush_chosen ||
    fail "after period the brush is not square_0, named at 127, 0 and shown at 0, 0"

# The left button paints the brush into the empty cell.
point_at "$P_ROW" "$P_COLUMN" empty
xdotool mousedown 1
sleep 0.3
xdotool mouseup 1
park_pointer
painted() { shows_tile "$1" "$P_X" "$P_Y" square_0; }
wait_for_screen 6 "$E2E_TMP/painted.png" painted ||
    fail "cell $P_ROW, $P_COLUMN does not show the painted square_0 at $P_X, $P_Y"

# The right button picks the tile up; held, it leaves its cell empty and follows the pointer;
# let go over the empty cell, it stays there.
point_at "$A_ROW" "$A_COLUMN" "$A_NAME"
xdotool mousedown 3
picked() { shows_tile "$1" "$A_X" "$A_Y" empty; }
wait_for_screen 6 "$E2E_TMP/picked.png" picked || {
    xdotool mouseup 3
    fail "with the right button down over it, cell $A_ROW, $A_COLUMN still shows $A_NAME"
}
place_pointer $((B_X + 32)) $((B_Y + 32))
sleep 0.3
xdotool mouseup 3
sleep 0.3
park_pointer
moved() {
    shows_tile "$1" "$A_X" "$A_Y" empty && shows_tile "$1" "$B_X" "$B_Y" "$A_NAME" &&
        shows_tile "$1" "$P_X" "$P_Y" square_0
}
wait_for_screen 6 "$E2E_TMP/moved.png" moved ||
    fail "$A_NAME was not carried from cell $A_ROW, $A_COLUMN to cell $B_ROW, $B_COLUMN"
echo "painted square_0 at $P_X, $P_Y; $A_NAME moved from $A_X, $A_Y to $B_X, $B_Y"

send_keys "$WINDOW" Escape
wait_for_exit
[ "$EXIT_CODE" = 0 ] || fail "Escape ended the game with exit code $EXIT_CODE"
echo "PASS"
