#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>

#include "app/EditorRules.h"
#include "input/MouseAndKeyboard.h"
#include "readers/TileReader.h"
#include "render/Graphics.h"
#include "world/Level.h"
#include "world/Tile.h"

// The live tile editor: the mouse paints, erases, copies and moves the tiles of the level in
// memory while the game runs, and comma and period choose the brush. Nothing is written to
// disk; a new round reads the level file again.
class TileEditor {
public:
    static constexpr uint32_t kCycleSleepMs = 100;  // before every step of the brush

    TileReader tileReader;
    Tile brush;         // what painting puts into a cell
    Tile heldTile;      // the tile picked up with the right button; EMPTY when nothing is held
    Tile brushPreview;  // the brush as shown in the top-left corner, refreshed on copy or cycle

    // The three tiles start as the "empty" tile, read in this order.
    TileEditor();

    // The cell under the pointer, always one of the level's cells.
    static editor::Cell cellUnder(const MouseAndKeyboard& keys, const Level& level);

    // One frame's editing on the cell under the pointer, in order: copy (middle button), paint
    // or, with Ctrl, erase (left button), drop a held tile into an empty cell, pick up (right
    // button), then one step of the brush when comma or period is down, after a pause.
    void act(const MouseAndKeyboard& keys, Level& level, Graphics& graphics,
             const std::function<void(Uint32)>& sleep);

    // Queues the brush's name, the round's seconds and, one glyph above the pointer, the name
    // of the tile under it, on font 1.
    void queueText(const MouseAndKeyboard& keys, const Level& level, Graphics& graphics,
                   int32_t seconds) const;

    // Drawn before the level, so that rock covers it where it is opaque.
    void outlineCellUnderMouse(const MouseAndKeyboard& keys, const Level& level,
                               Graphics& graphics) const;

    // Drawn last before the flip: the brush where its tile file places it, and cell (0, 0)'s
    // outline around it.
    void drawPreview(Graphics& graphics);

private:
    // A fresh copy of the named tile from its file, its picture taken from `source` and then
    // from the level's tiles of its type (or loaded) through the graphics context.
    Tile freshTile(const Tile& source, const char* name, Level& level, Graphics& graphics);

    void copyCell(Level& level, editor::Cell cell, Graphics& graphics);
    void paintOrErase(const MouseAndKeyboard& keys, Level& level, editor::Cell cell);
    void dropHeldTile(Level& level, editor::Cell cell);
    void pickUp(Level& level, editor::Cell cell, Graphics& graphics);
    void cycleBrush(const MouseAndKeyboard& keys, Level& level, editor::Cell cell,
                    Graphics& graphics, const std::function<void(Uint32)>& sleep);
};
