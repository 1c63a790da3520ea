// The robot seen from the side, flying to the right: a round orange body with one big eye
// looking ahead, a two-bladed rotor turning on a short mast, a beacon on its back that flashes
// once per turn of the animation, landing skids below and a thruster nozzle at the back. The
// body reaches the top, the front and the bottom of its box, so it crashes exactly where the
// picture meets the rock. The flame of the thruster flickers behind it.
#include "layout.h"
#include "palette.h"
#include "pictures.h"

namespace asset_gen {

namespace {

constexpr Rgb kBody{246, 172, 62};
constexpr Rgb kBodyShade{206, 120, 44};
constexpr Rgb kBodyLight{255, 224, 146};
constexpr Rgb kSteel{150, 160, 180};
constexpr Rgb kSteelDark{98, 106, 130};
constexpr Rgb kSteelLight{218, 226, 238};
constexpr Rgb kVisor{30, 36, 70};
constexpr Rgb kEye{120, 232, 255};
constexpr Rgb kEyeDeep{58, 160, 214};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBeaconOn{255, 64, 72};
constexpr Rgb kBeaconGlow{255, 170, 160};
constexpr Rgb kBeaconDim{196, 58, 70};
constexpr Rgb kBeaconOff{118, 40, 56};

constexpr Rgb kFlameOuter{232, 72, 36};
constexpr Rgb kFlame{255, 140, 40};
constexpr Rgb kFlameCore{255, 228, 120};
constexpr Rgb kFlameHot{255, 252, 226};

// The rotor's blades seen edge on: half their span in each frame as the rotor turns a quarter
// of its half-turn per frame, and which side's blade is nearer the eye.
struct RotorView {
    int halfSpan;
    int nearSide;  // -1: the left blade is in front, +1 the right one, 0 neither
};
constexpr RotorView kRotor[kRobotBodyFrames] = {{13, 0}, {9, -1}, {3, 0}, {9, 1}};
constexpr int kHubX = 16;  // the rotor turns about the line between columns 15 and 16

}  // namespace

Canvas drawRobotBody(int frame) {
    Canvas body(kRobotWidth, kRobotHeight);
    const RotorView rotor = kRotor[frame % kRobotBodyFrames];

    // Rotor: the blades on rows 1 and 2 with the nearer blade lighter, on a hub and a mast.
    const int left = kHubX - rotor.halfSpan;
    const int right = kHubX + rotor.halfSpan - 1;
    body.fillRect(left, 1, right - left + 1, 2, kSteel);
    body.fillRect(left, 2, right - left + 1, 1, kSteelDark);
    if (rotor.nearSide < 0) {
        body.fillRect(left, 1, kHubX - left, 1, kSteelLight);
    } else if (rotor.nearSide > 0) {
        body.fillRect(kHubX, 1, right - kHubX + 1, 1, kSteelLight);
    } else if (rotor.halfSpan > 6) {
        body.fillRect(left + 1, 1, right - left - 1, 1, kSteelLight);
    }
    body.fillRect(kHubX - 2, 1, 4, 3, kSteelDark);
    body.set(kHubX - 1, 1, kSteelLight);
    body.fillRect(kHubX - 1, 4, 2, 2, kSteel);

    // Body: a rounded shell, shaded underneath, with a shine along its top.
    body.fillRoundedRect(2, 6, 28, 11, 5.5, kBodyShade);
    body.fillRoundedRect(2, 6, 28, 9, 4.5, kBody);
    body.line(7, 7, 17, 7, kBodyLight);
    body.set(4, 9, kBodyLight);
    body.set(5, 8, kBodyLight);
    // A panel seam and two rivets on the side.
    body.line(12, 9, 12, 14, kBodyShade);
    body.set(9, 10, kBodyShade);
    body.set(9, 13, kBodyShade);

    // The beacon: a little dome on the back of the shell.
    const int phase = frame % kRobotBodyFrames;
    const Rgb beacon = phase == 0 ? kBeaconOn : phase == 1 ? kBeaconDim : kBeaconOff;
    body.fillRect(6, 4, 3, 2, beacon);
    if (phase == 0) {
        body.set(7, 4, kBeaconGlow);
    }

    // The visor at the front with one big eye looking ahead, a smile below it and a nose
    // sensor on the tip.
    body.fillRoundedRect(17, 7, 12, 6, 2.5, kVisor);
    body.disc({24.0, 10.0}, 2.6, kEyeDeep);
    body.disc({24.5, 10.0}, 1.9, kEye);
    body.set(24, 8, kWhite);
    body.set(25, 9, kWhite);
    body.set(21, 14, palette::kInk);
    body.line(22, 15, 24, 15, palette::kInk);
    body.set(25, 14, palette::kInk);
    body.fillRect(30, 10, 1, 3, kSteel);

    // Skids: two struts and a runner.
    body.fillRect(9, 17, 1, 2, kSteelDark);
    body.fillRect(22, 17, 1, 2, kSteelDark);
    body.fillRect(6, 19, 21, 1, kSteel);

    // The nozzle at the back, level with the flame.
    body.fillRect(1, 11, 3, 6, kSteel);
    body.fillRect(1, 11, 3, 1, kSteelLight);
    body.fillRect(1, 16, 3, 1, kSteelDark);

    body.surround(palette::kInk);
    return body;
}

Canvas drawRobotFlame(int frame) {
    Canvas flame(kFlameWidth, kFlameHeight);
    // How far the flame reaches back and how it sways, frame by frame.
    constexpr double kReach[kFlameFrames] = {9.5, 12.0, 7.5};
    constexpr double kSway[kFlameFrames] = {0.0, -0.6, 0.5};
    const int i = frame % kFlameFrames;
    const double tip = kFlameWidth - kReach[i];
    const double mid = 5.0 + kSway[i];
    flame.fillPolygon({{12.0, 0.5},
                       {8.0, 0.8},
                       {tip + 2.5, mid - 1.8},
                       {tip, mid + kSway[i]},
                       {tip + 2.5, mid + 1.8},
                       {8.0, 9.2},
                       {12.0, 9.5}},
                      kFlameOuter);
    flame.fillPolygon({{12.0, 1.5},
                       {8.0, 2.0},
                       {tip + 3.5, mid - 1.0},
                       {tip + 1.5, mid},
                       {tip + 3.5, mid + 1.0},
                       {8.0, 8.0},
                       {12.0, 8.5}},
                      kFlame);
    flame.fillPolygon({{12.0, 2.5}, {9.0, 3.0}, {tip + 5.0, mid}, {9.0, 7.0}, {12.0, 7.5}},
                      kFlameCore);
    flame.fillRect(10, 4, 2, 2, kFlameHot);
    // A spark or two flying off behind.
    constexpr int kSparkX[kFlameFrames] = {1, 3, 0};
    constexpr int kSparkY[kFlameFrames] = {2, 7, 6};
    flame.set(kSparkX[i], kSparkY[i], kFlameCore);
    return flame;
}

Canvas drawRobotSheet() {
    Canvas sheet(kRobotSheetWidth, kRobotSheetHeight);
    for (int i = 0; i < kRobotBodyFrames; ++i) {
        const FrameRect place = robotBodyFrame(i);
        sheet.blit(drawRobotBody(i), place.x, place.y);
    }
    for (int i = 0; i < kFlameFrames; ++i) {
        const FrameRect place = robotFlameFrame(i);
        sheet.blit(drawRobotFlame(i), place.x, place.y);
    }
    return sheet;
}

}  // namespace asset_gen
