#include "app/TileEditor.h"

#include <cstddef>

namespace {

Tile& tileAt(Level& level, editor::Cell cell) {
    return level.grid[static_cast<size_t>(cell.row)][static_cast<size_t>(cell.column)];
}

const Tile& tileAt(const Level& level, editor::Cell cell) {
    return level.grid[static_cast<size_t>(cell.row)][static_cast<size_t>(cell.column)];
}

// The grid as it is stored; a level without cells has nothing to edit.
bool hasCells(const Level& level) {
    return !level.grid.empty() && !level.grid.front().empty();
}

// Where a tile stands when it fills the cell, before the level places it there itself. It shows
// at once: a tile read from its file would show nothing in its first draw, and one painted
// anew in every frame while the button is held would never be seen.
void placeInCell(Tile& tile, editor::Cell cell) {
    tile.setX(editor::kCellSize * cell.column);
    tile.setY(editor::kCellSize * cell.row);
    tile.showCurrentFrames();
}

}  // namespace

TileEditor::TileEditor()
    : tileReader(),
      brush(tileReader.getTile("empty")),
      heldTile(tileReader.getTile("empty")),
      brushPreview(tileReader.getTile("empty")) {}

editor::Cell TileEditor::cellUnder(const MouseAndKeyboard& keys, const Level& level) {
    const int32_t rows = static_cast<int32_t>(level.grid.size());
    const int32_t columns = rows > 0 ? static_cast<int32_t>(level.grid.front().size()) : 0;
    return editor::cellUnderMouse(keys.mouseX, keys.mouseY, rows, columns);
}

void TileEditor::act(const MouseAndKeyboard& keys, Level& level, Graphics& graphics,
                     const std::function<void(Uint32)>& sleep) {
    if (!hasCells(level)) {
        return;
    }
    const editor::Cell cell = cellUnder(keys, level);
    if (keys.middleButton) {
        copyCell(level, cell, graphics);
    }
    if (keys.leftButton) {
        paintOrErase(keys, level, cell);
    }
    dropHeldTile(level, cell);
    if (keys.rightButton && heldTile.type == EMPTY) {
        pickUp(level, cell, graphics);
    }
    if (keys.pressed(KEY_COMMA) || keys.pressed(KEY_PERIOD)) {
        cycleBrush(keys, level, cell, graphics, sleep);
    }
}

Tile TileEditor::freshTile(const Tile& source, const char* name, Level& level, Graphics& graphics) {
    Tile tile = tileReader.getTile(name);
    tile.setGraphicIndex(source.graphicIndex);
    graphics.registerTile(&tile, tile.getPath(), &level);
    return tile;
}

void TileEditor::copyCell(Level& level, editor::Cell cell, Graphics& graphics) {
    const Tile& source = tileAt(level, cell);
    brush = freshTile(source, source.getPath(), level, graphics);
    Font& font = graphics.fonts[0];
    font.print("Copied", 0, 27);
    font.print(cell.row, 63, 27);
    font.print(cell.column, 81, 27);
    brushPreview = brush;
}

void TileEditor::paintOrErase(const MouseAndKeyboard& keys, Level& level, editor::Cell cell) {
    if (keys.pressed(KEY_LCTRL) || keys.pressed(KEY_RCTRL)) {
        level.insertTile(tileReader.getTile("empty"), cell.row, cell.column);
        return;
    }
    placeInCell(brush, cell);
    level.insertTile(brush, cell.row, cell.column);
}

void TileEditor::dropHeldTile(Level& level, editor::Cell cell) {
    if (heldTile.type == EMPTY || tileAt(level, cell).type != EMPTY) {
        return;
    }
    placeInCell(heldTile, cell);
    level.insertTile(heldTile, cell.row, cell.column);
    heldTile = tileReader.getTile("empty");
}

void TileEditor::pickUp(Level& level, editor::Cell cell, Graphics& graphics) {
    const Tile& source = tileAt(level, cell);
    heldTile = freshTile(source, source.getPath(), level, graphics);
    level.insertTile(tileReader.getTile("empty"), cell.row, cell.column);
}

void TileEditor::cycleBrush(const MouseAndKeyboard& keys, Level& level, editor::Cell cell,
                            Graphics& graphics, const std::function<void(Uint32)>& sleep) {
    sleep(kCycleSleepMs);
    const TileType next =
        editor::cycledBrushType(brush.type, keys.pressed(KEY_COMMA), keys.pressed(KEY_PERIOD));
    brush = freshTile(tileAt(level, cell), tileTypeName(next), level, graphics);
    brushPreview = brush;
}

void TileEditor::queueText(const MouseAndKeyboard& keys, const Level& level, Graphics& graphics,
                           int32_t seconds) const {
    const int32_t g = graphics.fonts[0].dst.w;
    Font& font = graphics.fonts[1];
    font.print("Brush: ", 64, 0);
    font.print(brush.getPath(), 64 + 7 * g, 0);
    font.print("Seconds: ", 64, g);
    font.print(seconds, 64 + 9 * g, g);
    if (hasCells(level)) {
        font.print(tileAt(level, cellUnder(keys, level)).getPath(), keys.mouseX, keys.mouseY - g);
    }
}

void TileEditor::outlineCellUnderMouse(const MouseAndKeyboard& keys, const Level& level,
                                       Graphics& graphics) const {
    const editor::Cell cell = cellUnder(keys, level);
    graphics.outlineCell(cell.row, cell.column);
}

void TileEditor::drawPreview(Graphics& graphics) {
    // An empty brush paints nothing, so it shows nothing: its tile has no picture of its own
    // and would borrow whichever one its image slot points at.
    if (brushPreview.type != EMPTY) {
        graphics.blit(&brushPreview);
    }
    graphics.outlineCell(0, 0);
}
