#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace asset_gen {

Rgb mix(Rgb a, Rgb b, double t) {
    auto channel = [t](std::uint8_t from, std::uint8_t to) {
        const double value = from + (to - from) * t;
        return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Canvas::Canvas(int width, int height, Rgb background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bytes_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3) {
    fill(background);
}

Rgb Canvas::get(int x, int y) const {
    if (!contains(x, y)) {
        return kMagenta;
    }
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {bytes_[at], bytes_[at + 1], bytes_[at + 2]};
}

void Canvas::set(int x, int y, Rgb colour) {
    if (!contains(x, y)) {
        return;
    }
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    bytes_[at] = colour.r;
    bytes_[at + 1] = colour.g;
    bytes_[at + 2] = colour.b;
}

void Canvas::fill(Rgb colour) {
    fillRect(0, 0, width_, height_, colour);
}

void Canvas::fillRect(int x, int y, int w, int h, Rgb colour) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + w, width_);
    const int bottom = std::min(y + h, height_);
    for (int py = top; py < bottom; ++py) {
        for (int px = left; px < right; ++px) {
            set(px, py, colour);
        }
    }
}

void Canvas::frameRect(int x, int y, int w, int h, Rgb colour) {
    if (w <= 0 || h <= 0) {
        return;
    }
    fillRect(x, y, w, 1, colour);
    fillRect(x, y + h - 1, w, 1, colour);
    fillRect(x, y, 1, h, colour);
    fillRect(x + w - 1, y, 1, h, colour);
}

void Canvas::fillRoundedRect(int x, int y, int w, int h, double radius, Rgb colour) {
    const double r = std::min({radius, w / 2.0, h / 2.0});
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            // Distance of the pixel centre from the rectangle shrunk by the radius.
            const double cx = px + 0.5;
            const double cy = py + 0.5;
            const double dx = std::max({x + r - cx, 0.0, cx - (x + w - r)});
            const double dy = std::max({y + r - cy, 0.0, cy - (y + h - r)});
            if (dx * dx + dy * dy <= r * r) {
                set(px, py, colour);
            }
        }
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void Canvas::thickLine(PointF a, PointF b, double width, Rgb colour) {
    const double half = width / 2.0;
    const int left = static_cast<int>(std::floor(std::min(a.x, b.x) - half));
    const int right = static_cast<int>(std::ceil(std::max(a.x, b.x) + half));
    const int top = static_cast<int>(std::floor(std::min(a.y, b.y) - half));
    const int bottom = static_cast<int>(std::ceil(std::max(a.y, b.y) + half));
    const double vx = b.x - a.x;
    const double vy = b.y - a.y;
    const double length2 = vx * vx + vy * vy;
    for (int py = top; py <= bottom; ++py) {
        for (int px = left; px <= right; ++px) {
            const double cx = px + 0.5 - a.x;
            const double cy = py + 0.5 - a.y;
            const double t =
                length2 > 0.0 ? std::clamp((cx * vx + cy * vy) / length2, 0.0, 1.0) : 0.0;
            const double ex = cx - t * vx;
            const double ey = cy - t * vy;
            if (ex * ex + ey * ey <= half * half) {
                set(px, py, colour);
            }
        }
    }
}

void Canvas::disc(PointF centre, double radius, Rgb colour) {
    const int left = static_cast<int>(std::floor(centre.x - radius));
    const int right = static_cast<int>(std::ceil(centre.x + radius));
    const int top = static_cast<int>(std::floor(centre.y - radius));
    const int bottom = static_cast<int>(std::ceil(centre.y + radius));
    for (int py = top; py <= bottom; ++py) {
        for (int px = left; px <= right; ++px) {
            const double dx = px + 0.5 - centre.x;
            const double dy = py + 0.5 - centre.y;
            if (dx * dx + dy * dy <= radius * radius) {
                set(px, py, colour);
            }
        }
    }
}

void Canvas::fillPolygon(const std::vector<PointF>& corners, Rgb colour) {
    if (corners.size() < 3) {
        return;
    }
    double minX = corners[0].x;
    double maxX = corners[0].x;
    double minY = corners[0].y;
    double maxY = corners[0].y;
    for (const PointF& corner : corners) {
        minX = std::min(minX, corner.x);
        maxX = std::max(maxX, corner.x);
        minY = std::min(minY, corner.y);
        maxY = std::max(maxY, corner.y);
    }
    const int top = std::max(static_cast<int>(std::floor(minY)), 0);
    const int bottom = std::min(static_cast<int>(std::ceil(maxY)), height_);
    const int left = std::max(static_cast<int>(std::floor(minX)), 0);
    const int right = std::min(static_cast<int>(std::ceil(maxX)), width_);
    for (int py = top; py < bottom; ++py) {
        const double cy = py + 0.5;
        for (int px = left; px < right; ++px) {
            const double cx = px + 0.5;
            bool inside = false;
            for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
                const PointF& p = corners[i];
                const PointF& q = corners[j];
                if ((p.y > cy) != (q.y > cy) && cx < p.x + (cy - p.y) * (q.x - p.x) / (q.y - p.y)) {
                    inside = !inside;
                }
            }
            if (inside) {
                set(px, py, colour);
            }
        }
    }
}

void Canvas::surround(Rgb colour) {
    const Canvas before = *this;
    for (int py = 0; py < height_; ++py) {
        for (int px = 0; px < width_; ++px) {
            if (before.get(px, py) != kMagenta) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    touches = before.get(px + dx, py + dy) != kMagenta;
                }
            }
            if (touches) {
                set(px, py, colour);
            }
        }
    }
}

void Canvas::blit(const Canvas& source, int x, int y) {
    for (int py = 0; py < source.height(); ++py) {
        for (int px = 0; px < source.width(); ++px) {
            const Rgb colour = source.get(px, py);
            if (colour != kMagenta) {
                set(x + px, y + py, colour);
            }
        }
    }
}

void Canvas::blitScaled(const Canvas& source, int x, int y, int scale) {
    for (int py = 0; py < source.height(); ++py) {
        for (int px = 0; px < source.width(); ++px) {
            const Rgb colour = source.get(px, py);
            if (colour != kMagenta) {
                fillRect(x + px * scale, y + py * scale, scale, scale, colour);
            }
        }
    }
}

}  // namespace asset_gen
