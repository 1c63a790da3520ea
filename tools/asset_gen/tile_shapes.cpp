#include "tile_shapes.h"

#include "layout.h"

namespace asset_gen {

namespace {

struct OutlineEntry {
    Shape shape;
    int rotation;
    Outline outline;
};

constexpr bool kFloor = true;
constexpr bool kCeiling = false;

// Rotations 0 and 90 face up and are floors; 180 and 270 face down and are ceilings.
constexpr OutlineEntry kOutlines[] = {
    {Shape::Wall, 1, {kFloor, 32, 32, 32}},
    {Shape::Wall, 3, {kCeiling, 32, 32, 32}},
    {Shape::SlopeModerate, 0, {kFloor, 0, 32, 64}},
    {Shape::SlopeModerate, 1, {kFloor, 64, 32, 0}},
    {Shape::SlopeModerate, 2, {kCeiling, 0, 32, 64}},
    {Shape::SlopeModerate, 3, {kCeiling, 64, 32, 0}},
    {Shape::SlopeGradual, 0, {kFloor, 32, 48, 64}},
    {Shape::SlopeGradual, 1, {kFloor, 64, 64, 0}},
    {Shape::SlopeGradual, 2, {kCeiling, 0, 16, 32}},
    {Shape::SlopeGradual, 3, {kCeiling, 64, 0, 0}},
    {Shape::SlopeSteep, 0, {kFloor, 0, 64, 64}},
    {Shape::SlopeSteep, 1, {kFloor, 64, 48, 32}},
    {Shape::SlopeSteep, 2, {kCeiling, 0, 0, 64}},
    {Shape::SlopeSteep, 3, {kCeiling, 32, 16, 0}},
    {Shape::CliffGradual, 0, {kFloor, 0, 16, 32}},
    {Shape::CliffGradual, 1, {kFloor, 64, 0, 0}},
    {Shape::CliffGradual, 2, {kCeiling, 32, 48, 64}},
    {Shape::CliffGradual, 3, {kCeiling, 64, 64, 0}},
    {Shape::CliffSteep, 0, {kFloor, 0, 0, 64}},
    {Shape::CliffSteep, 1, {kFloor, 32, 16, 0}},
    {Shape::CliffSteep, 2, {kCeiling, 0, 64, 64}},
    {Shape::CliffSteep, 3, {kCeiling, 64, 48, 32}},
};

constexpr int kHalf = kTileSide / 2;

}  // namespace

std::optional<Outline> outlineOf(Shape shape, int rotation) {
    for (const OutlineEntry& entry : kOutlines) {
        if (entry.shape == shape && entry.rotation == rotation) {
            return entry.outline;
        }
    }
    return std::nullopt;
}

double depthAt(const Outline& outline, double x) {
    if (x <= kHalf) {
        return outline.y0 + (outline.y32 - outline.y0) * x / kHalf;
    }
    return outline.y32 + (outline.y64 - outline.y32) * (x - kHalf) / kHalf;
}

bool solidAt(Shape shape, int rotation, int x, int y) {
    if (x < 0 || y < 0 || x >= kTileSide || y >= kTileSide) {
        return false;
    }
    switch (shape) {
        case Shape::Square:
            return true;
        case Shape::CurveConvex:
        case Shape::CurveConcave:
            return false;
        case Shape::Wall:
            if (rotation == 0) {
                return x < kHalf;
            }
            if (rotation == 2) {
                return x >= kHalf;
            }
            break;
        default:
            break;
    }
    const std::optional<Outline> outline = outlineOf(shape, rotation);
    if (!outline) {
        return false;
    }
    const double depth = depthAt(*outline, x + 0.5);
    const double centre = y + 0.5;
    return outline->floor ? centre >= depth : centre < depth;
}

}  // namespace asset_gen
