#include "text_files.h"

#include <sstream>

#include "layout.h"

namespace asset_gen {

namespace {

void writeRect(std::ostringstream& out, const FrameRect& rect) {
    out << rect.x << ' ' << rect.y << ' ' << rect.w << ' ' << rect.h << '\n';
}

// One entity block: where its sprite goes relative to the entity's box and which frames of the
// sheet it cycles through.
struct EntityBlock {
    FrameRect sprite;
    int xOffset = 0;
    int yOffset = 0;
    int frameRate = 0;
    FrameRect (*frame)(int index);
    int frames = 0;
};

void writeBlock(std::ostringstream& out, const EntityBlock& block) {
    out << "BLOCK\n";
    out << block.sprite.x << ' ' << block.sprite.y << ' ' << block.sprite.w << ' ' << block.sprite.h
        << ' ' << block.xOffset << ' ' << block.yOffset << ' ' << block.frameRate << '\n';
    out << "ANIMATION\n" << block.frames << '\n';
    for (int i = 0; i < block.frames; ++i) {
        writeRect(out, block.frame(i));
    }
    out << "ENDBLOCK\n";
}

}  // namespace

std::string robotEntityText() {
    std::ostringstream out;
    out << kRobotName << ' ';
    writeRect(out, {0, 0, kRobotWidth, kRobotHeight});
    const EntityBlock flame{{0, 0, kFlameWidth, kFlameHeight},
                            kFlameOffsetX,
                            kFlameOffsetY,
                            kFlameFrameRate,
                            robotFlameFrame,
                            kFlameFrames};
    const EntityBlock body{{0, 0, kRobotWidth, kRobotHeight},
                           0,
                           0,
                           kRobotBodyFrameRate,
                           robotBodyFrame,
                           kRobotBodyFrames};
    writeBlock(out, flame);
    writeBlock(out, body);
    return out.str();
}

std::string tileText(const TileType& type) {
    const int frames = type.name == kEmptyTileName ? kEmptyTileFrames : kTileFrames;
    std::ostringstream out;
    out << type.keyword << " 0 0 " << kTileSide << '\n';
    out << "BLOCK\n";
    out << "0 0 " << kTileSide << " 0 0 " << kTileFrameRate << '\n';
    out << "ANIMATION\n" << frames << '\n';
    for (int i = 0; i < frames; ++i) {
        const FrameRect frame = tileFrame(i);
        out << frame.x << ' ' << frame.y << ' ' << frame.w << '\n';
    }
    out << "ENDBLOCK\n";
    return out.str();
}

const std::vector<TextFile>& textFiles() {
    static const std::vector<TextFile> all = [] {
        std::vector<TextFile> files = {{"entities/robot.ent", robotEntityText}};
        for (const TileType& type : tileTypes()) {
            files.push_back({tileFilePath(type.name), [type] { return tileText(type); }});
        }
        files.push_back({"levels/level_0.lvl", levelZeroText});
        return files;
    }();
    return all;
}

}  // namespace asset_gen
