#include "readers/BlockGrammar.h"

#include <utility>

#include "world/AnimatedSprite.h"
#include "world/Animation.h"

namespace {

// Reads a rectangle in the file's form; a square's side is both its width and its height.
bool readRectangle(TextScanner& in, RectangleForm form, Rect& r) {
    if (!in.readInt(r.x) || !in.readInt(r.y) || !in.readInt(r.w)) {
        return false;
    }
    if (form == RectangleForm::Square) {
        r.h = r.w;
        return true;
    }
    return in.readInt(r.h);
}

struct PendingBlock {
    bool started = false;  // an ENDBLOCK before any BLOCK has no block to add
    AnimatedSprite sprite;
    int32_t xOff = 0;
    int32_t yOff = 0;
};

bool readBlockHeader(TextScanner& in, RectangleForm form, PendingBlock& pending) {
    Rect dst;
    int32_t xOff = 0;
    int32_t yOff = 0;
    int32_t frameRate = 0;
    if (!readRectangle(in, form, dst) || !in.readInt(xOff) || !in.readInt(yOff) ||
        !in.readInt(frameRate)) {
        return false;
    }
    pending.started = true;
    pending.sprite = AnimatedSprite(dst.x, dst.y, dst.w, dst.h, frameRate);
    pending.xOff = xOff;
    pending.yOff = yOff;
    return true;
}

// Frames are read as they come: the count only bounds the loop, so a huge count in a short
// file costs no more than the file's own frames.
bool readAnimation(TextScanner& in, RectangleForm form, PendingBlock& pending) {
    int32_t count = 0;
    if (!in.readInt(count)) {
        return false;
    }
    Animation animation;
    for (int32_t i = 0; i < count; ++i) {
        Rect frame;
        if (!readRectangle(in, form, frame)) {
            return false;
        }
        animation.frames.push_back(frame);
    }
    pending.sprite.push_animation(std::move(animation));
    return true;
}

}  // namespace

void readBlocks(TextScanner& in, std::string& line, RectangleForm form, Entity& entity) {
    PendingBlock pending;
    while (in.readLine(line)) {
        bool readable = true;
        if (line == "BLOCK") {
            readable = readBlockHeader(in, form, pending);
        } else if (line == "ANIMATION") {
            readable = readAnimation(in, form, pending);
        } else if (line == "ENDBLOCK") {
            if (pending.started) {
                entity.addSprite(pending.sprite, pending.xOff, pending.yOff);
            }
        }
        if (!readable) {
            return;
        }
    }
}
