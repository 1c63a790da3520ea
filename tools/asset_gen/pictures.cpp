#include "pictures.h"

#include "layout.h"

namespace asset_gen {

const std::vector<Picture>& pictures() {
    static const std::vector<Picture> all = [] {
        std::vector<Picture> list = {
            {"images/icon.png", drawIcon},
            {"images/fonts/kestrine_9.png", drawFontSheet},
            {"images/fonts/kestrine_9_negative.png", drawNegativeFontSheet},
            {kRobotSheetPath, drawRobotSheet},
            {"images/sprites/paper.png", drawPaper},
            {"images/sprites/welcomeScreen.png", drawWelcomeScreen},
        };
        // Every tile but the empty one, which is never drawn.
        for (int shape = 0; shape < kShapes; ++shape) {
            for (int rotation = 0; rotation < kRotations; ++rotation) {
                const Shape s = static_cast<Shape>(shape);
                list.push_back({tileSheetPath(tileName(s, rotation)),
                                [s, rotation] { return drawTileSheet(s, rotation); }});
            }
        }
        return list;
    }();
    return all;
}

}  // namespace asset_gen
