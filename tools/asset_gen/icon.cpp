// The window icon: the robot's head in flight, its rotor spinning above and a small thruster
// flame below, on a transparent background.
#include "palette.h"
#include "pictures.h"

namespace asset_gen {

namespace {

constexpr Rgb kBody{246, 172, 62};
constexpr Rgb kBodyShade{210, 122, 44};
constexpr Rgb kBodyLight{255, 222, 140};
constexpr Rgb kSteel{156, 166, 184};
constexpr Rgb kSteelLight{214, 222, 234};
constexpr Rgb kEye{120, 232, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kFlame{255, 118, 38};
constexpr Rgb kFlameCore{255, 232, 124};

}  // namespace

Canvas drawIcon() {
    Canvas icon(32, 32);

    // Rotor: a long blade on a hub, carried by a short mast.
    icon.fillRoundedRect(3, 3, 26, 3, 1.5, kSteel);
    icon.fillRect(5, 3, 22, 1, kSteelLight);
    icon.fillRect(14, 2, 4, 5, palette::kInk);
    icon.fillRect(15, 7, 2, 3, kSteel);

    // Head: a rounded box, shaded towards the bottom right, with a shine at the top left.
    icon.fillRoundedRect(7, 10, 18, 16, 5.0, kBodyShade);
    icon.fillRoundedRect(7, 10, 17, 14, 5.0, kBody);
    icon.line(10, 11, 14, 11, kBodyLight);
    icon.line(8, 13, 9, 12, kBodyLight);

    // Visor with two bright eyes and a glint in each.
    icon.fillRoundedRect(10, 14, 12, 7, 3.0, palette::kInk);
    icon.disc({13.5, 17.5}, 1.8, kEye);
    icon.disc({18.5, 17.5}, 1.8, kEye);
    icon.set(13, 16, kWhite);
    icon.set(18, 16, kWhite);
    // A small smile.
    icon.set(14, 22, palette::kInk);
    icon.line(15, 23, 16, 23, palette::kInk);
    icon.set(17, 22, palette::kInk);

    // Thruster nozzle under the chin.
    icon.fillRect(13, 26, 6, 2, kSteel);

    icon.surround(palette::kInk);

    // The flame glows, so it gets no outline.
    icon.fillPolygon({{12.5, 28.0}, {19.5, 28.0}, {16.0, 32.0}}, kFlame);
    icon.fillPolygon({{14.0, 28.0}, {18.0, 28.0}, {16.0, 30.8}}, kFlameCore);
    return icon;
}

}  // namespace asset_gen
