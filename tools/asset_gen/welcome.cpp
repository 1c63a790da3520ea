// The welcome picture: a night-blue panel with a glowing border over the cave, the game's name
// in big amber letters beside the robot in flight, the controls as a table of key caps and what
// they do, and a call to press Enter. Outside the panel it is transparent, so the cave shows.
#include <algorithm>
#include <string>
#include <vector>

#include "glyphs.h"
#include "layout.h"
#include "palette.h"
#include "pictures.h"

namespace asset_gen {

namespace {

constexpr int kWidth = 768;
constexpr int kHeight = 512;

constexpr int kPanelX = 24;
constexpr int kPanelY = 16;
constexpr int kPanelW = kWidth - 2 * kPanelX;
constexpr int kPanelH = kHeight - 2 * kPanelY;

constexpr Rgb kPanelTop{34, 30, 76};
constexpr Rgb kPanelBottom{14, 14, 38};
constexpr Rgb kBorderDark{8, 8, 22};
constexpr Rgb kBorderGlow{124, 98, 214};
constexpr Rgb kBorderLight{214, 202, 255};

constexpr Rgb kTitleTop{255, 232, 120};
constexpr Rgb kTitleBottom{246, 124, 42};
constexpr Rgb kTitleShadow{60, 28, 92};

constexpr Rgb kTagline{150, 214, 230};
constexpr Rgb kRule{70, 64, 132};

constexpr Rgb kCapFace{64, 62, 116};
constexpr Rgb kCapTop{110, 106, 170};
constexpr Rgb kCapBottom{30, 28, 62};
constexpr Rgb kCapText{255, 236, 170};
constexpr Rgb kJoin{150, 146, 196};
constexpr Rgb kAction{236, 232, 250};
constexpr Rgb kCall{120, 246, 220};
constexpr Rgb kSparkle{200, 196, 255};

// Text on the panel is set two pixels to each glyph pixel, one glyph every 7 columns.
constexpr int kTextScale = 2;
constexpr int kAdvance = 7;
constexpr int kLineInk = 7 * kTextScale;  // capitals stand on glyph rows 1 to 7

// One key cap around `label`, its left edge at x, its text's top row at y; returns its width.
int drawKeyCap(Canvas& canvas, int x, int y, const std::string& label) {
    constexpr int kPadX = 6;
    const int w = setTextWidth(label, kTextScale, kAdvance) + 2 * kPadX;
    const int top = y + kTextScale - 5;  // five pixels above the ink
    const int h = kLineInk + 10;
    canvas.fillRoundedRect(x, top, w, h, 4.0, kCapBottom);
    canvas.fillRoundedRect(x, top, w, h - 3, 4.0, kCapTop);
    canvas.fillRoundedRect(x + 1, top + 2, w - 2, h - 6, 3.0, kCapFace);
    drawSetText(canvas, x + kPadX, y, label, kTextScale, kAdvance, kCapText);
    return w;
}

// A control: its keys (joined by a word such as "+" or "and") and what they do.
struct Control {
    std::vector<std::string> keys;
    std::string join;
    std::string action;
};

const std::vector<Control>& controls() {
    static const std::vector<Control> all = {
        {{"ENTER"}, "", "start / restart"},
        {{"SPACE"}, "", "climb"},
        {{"LEFT BUTTON"}, "", "paint"},
        {{"CTRL", "LEFT BUTTON"}, "+", "erase"},
        {{"MIDDLE BUTTON"}, "", "copy a cell into the brush"},
        {{"RIGHT BUTTON"}, "", "pick a tile up"},
        {{",", "."}, "and", "change the brush"},
        {{"D"}, "", "debug"},
        {{"O"}, "", "outlines"},
        {{"ESC"}, "", "quit"},
    };
    return all;
}

constexpr int kCapGap = 8;  // between a cap and the joining word

int keysWidth(const Control& control) {
    int width = 0;
    for (std::size_t i = 0; i < control.keys.size(); ++i) {
        width += setTextWidth(control.keys[i], kTextScale, kAdvance) + 12;
        if (i > 0) {
            width += 2 * kCapGap + setTextWidth(control.join, kTextScale, kAdvance);
        }
    }
    return width;
}

void drawControl(Canvas& canvas, const Control& control, int keysRight, int actionLeft, int y) {
    int x = keysRight - keysWidth(control);
    for (std::size_t i = 0; i < control.keys.size(); ++i) {
        if (i > 0) {
            x += kCapGap;
            drawSetText(canvas, x, y, control.join, kTextScale, kAdvance, kJoin);
            x += setTextWidth(control.join, kTextScale, kAdvance) + kCapGap;
        }
        x += drawKeyCap(canvas, x, y, control.keys[i]);
    }
    drawSetText(canvas, actionLeft, y, control.action, kTextScale, kAdvance, kAction);
}

void drawPanel(Canvas& canvas) {
    canvas.fillRoundedRect(kPanelX, kPanelY, kPanelW, kPanelH, 20.0, kBorderDark);
    canvas.fillRoundedRect(kPanelX + 2, kPanelY + 2, kPanelW - 4, kPanelH - 4, 18.0, kBorderGlow);
    canvas.fillRoundedRect(kPanelX + 4, kPanelY + 4, kPanelW - 8, kPanelH - 8, 16.0, kBorderLight);
    canvas.fillRoundedRect(kPanelX + 5, kPanelY + 5, kPanelW - 10, kPanelH - 10, 15.0, kBorderDark);
    // The inside darkens from top to bottom, band by band.
    Canvas inside(kWidth, kHeight);
    inside.fillRoundedRect(kPanelX + 7, kPanelY + 7, kPanelW - 14, kPanelH - 14, 13.0, kPanelTop);
    for (int y = 0; y < kHeight; ++y) {
        const Rgb shade = mix(kPanelTop, kPanelBottom, double(y - kPanelY) / kPanelH);
        for (int x = 0; x < kWidth; ++x) {
            if (inside.get(x, y) != kMagenta) {
                canvas.set(x, y, shade);
            }
        }
    }
}

// A four-pointed sparkle.
void drawSparkle(Canvas& canvas, int x, int y, int arm, Rgb colour) {
    canvas.fillRect(x - arm, y, 2 * arm + 1, 1, mix(colour, kPanelBottom, 0.4));
    canvas.fillRect(x, y - arm, 1, 2 * arm + 1, mix(colour, kPanelBottom, 0.4));
    canvas.fillRect(x - 1, y, 3, 1, colour);
    canvas.fillRect(x, y - 1, 1, 3, colour);
}

// The game's name: amber letters shading to orange, outlined and with a drop shadow.
void drawTitle(Canvas& canvas, int x, int y, int scale) {
    const std::string name = "ZEPHLARK!";
    Canvas shadow(kWidth, kHeight);
    drawSetText(shadow, x + scale / 2 + 3, y + scale / 2 + 3, name, scale, kAdvance, kTitleShadow);
    shadow.surround(kTitleShadow);
    canvas.blit(shadow, 0, 0);

    Canvas letters(kWidth, kHeight);
    drawSetText(letters, x, y, name, scale, kAdvance, kTitleTop);
    const int inkTop = y + scale;  // capitals start on glyph row 1
    const int inkHeight = 7 * scale;
    for (int py = inkTop; py < inkTop + inkHeight; ++py) {
        const Rgb shade = mix(kTitleTop, kTitleBottom, double(py - inkTop) / (inkHeight - 1));
        for (int px = 0; px < kWidth; ++px) {
            if (letters.get(px, py) != kMagenta) {
                letters.set(px, py, shade);
            }
        }
    }
    // A bright line along the top of each stroke.
    const Canvas filled = letters;
    for (int py = 1; py < kHeight; ++py) {
        for (int px = 0; px < kWidth; ++px) {
            if (filled.get(px, py) != kMagenta && filled.get(px, py - 1) == kMagenta) {
                letters.set(px, py, {255, 250, 214});
            }
        }
    }
    letters.surround(palette::kInk);
    letters.surround(palette::kInk);
    canvas.blit(letters, 0, 0);
}

}  // namespace

Canvas drawWelcomeScreen() {
    Canvas screen(kWidth, kHeight);
    drawPanel(screen);

    // The name and, beside it, the robot flying to the right at four times its size.
    constexpr int kTitleScale = 7;
    constexpr int kRobotScale = 4;
    const int titleWidth = setTextWidth("ZEPHLARK!", kTitleScale, kAdvance);
    const int robotWidth = (kFlameWidth + kRobotWidth) * kRobotScale;
    const int titleX = (kWidth - titleWidth - robotWidth - 32) / 2;
    const int titleY = kPanelY + 24;
    drawTitle(screen, titleX, titleY, kTitleScale);
    const int robotX = titleX + titleWidth + 32 + kFlameWidth * kRobotScale;
    const int robotY = titleY + kTitleScale + (7 * kTitleScale - kRobotHeight * kRobotScale) / 2;
    screen.blitScaled(drawRobotFlame(1), robotX + kFlameOffsetX * kRobotScale,
                      robotY + kFlameOffsetY * kRobotScale, kRobotScale);
    screen.blitScaled(drawRobotBody(0), robotX, robotY, kRobotScale);

    const std::string tagline = "Fly the little robot through the endless cave!";
    const int taglineY = titleY + 9 * kTitleScale + 10;
    drawSetText(screen, (kWidth - setTextWidth(tagline, kTextScale, kAdvance)) / 2, taglineY,
                tagline, kTextScale, kAdvance, kTagline);

    const int ruleY = taglineY + 9 * kTextScale + 6;
    screen.fillRect(kPanelX + 48, ruleY, kPanelW - 96, 1, kRule);
    for (int x : {kPanelX + 40, kWidth / 2, kPanelX + kPanelW - 41}) {
        drawSparkle(screen, x, ruleY, 4, kSparkle);
    }

    // The controls: key caps right-aligned in one column, what they do in the next.
    int keysColumn = 0;
    int actionsColumn = 0;
    for (const Control& control : controls()) {
        keysColumn = std::max(keysColumn, keysWidth(control));
        actionsColumn = std::max(actionsColumn, setTextWidth(control.action, kTextScale, kAdvance));
    }
    constexpr int kColumnGap = 24;
    const int keysRight = (kWidth - keysColumn - kColumnGap - actionsColumn) / 2 + keysColumn;
    constexpr int kLineStep = 30;
    int y = ruleY + 16;
    for (const Control& control : controls()) {
        drawControl(screen, control, keysRight, keysRight + kColumnGap, y);
        y += kLineStep;
    }

    const std::string call = "Press ENTER to start";
    const int callWidth = setTextWidth(call, kTextScale, kAdvance);
    const int callY = kPanelY + kPanelH - 38;
    drawSetText(screen, (kWidth - callWidth) / 2, callY, call, kTextScale, kAdvance, kCall);
    drawSparkle(screen, (kWidth - callWidth) / 2 - 20, callY + 8, 3, kCall);
    drawSparkle(screen, (kWidth + callWidth) / 2 + 19, callY + 8, 3, kCall);
    return screen;
}

}  // namespace asset_gen
