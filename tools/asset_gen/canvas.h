// A plain RGB picture with the drawing helpers the asset generator needs. Magenta marks the
// transparent pixels of every picture, so no alpha channel is kept.
#pragma once

#include <cstdint>
#include <vector>

namespace asset_gen {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
    bool operator!=(const Rgb& other) const { return !(*this == other); }
};

// The colour the game treats as transparent.
constexpr Rgb kMagenta{255, 0, 255};

// Mixes two colours: t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

struct PointF {
    double x = 0.0;
    double y = 0.0;
};

// Every shape is drawn by testing pixel centres (x + 0.5, y + 0.5) against it, and everything is
// clipped to the canvas, so callers may draw partly outside it.
class Canvas {
public:
    Canvas(int width, int height, Rgb background = kMagenta);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The pixel at (x, y); magenta outside the canvas.
    Rgb get(int x, int y) const;
    void set(int x, int y, Rgb colour);

    void fill(Rgb colour);
    void fillRect(int x, int y, int w, int h, Rgb colour);
    // A one-pixel frame just inside the rectangle.
    void frameRect(int x, int y, int w, int h, Rgb colour);
    // A rectangle with its corners rounded off by circles of the given radius.
    void fillRoundedRect(int x, int y, int w, int h, double radius, Rgb colour);
    // A one-pixel line from (x0, y0) to (x1, y1), both ends included.
    void line(int x0, int y0, int x1, int y1, Rgb colour);
    // A line of the given width: every pixel whose centre lies within width / 2 of the segment.
    void thickLine(PointF a, PointF b, double width, Rgb colour);
    void disc(PointF centre, double radius, Rgb colour);
    // Every pixel whose centre lies inside the polygon (even-odd rule).
    void fillPolygon(const std::vector<PointF>& corners, Rgb colour);

    // Paints every magenta pixel that touches a non-magenta pixel in its 8-neighbourhood: an
    // outline or halo one pixel wide around everything drawn so far.
    void surround(Rgb colour);
    // Copies the non-magenta pixels of `source` with its top-left corner at (x, y).
    void blit(const Canvas& source, int x, int y);
    // The same, each source pixel becoming a `scale` by `scale` block.
    void blitScaled(const Canvas& source, int x, int y, int scale);

    // The pixels row by row, three bytes (red, green, blue) each.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace asset_gen
