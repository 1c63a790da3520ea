#pragma once

#include <SDL.h>

#include "world/Rect.h"

// The rectangle SDL draws with: positions and sizes narrowed to its 16-bit fields.
inline SDL_Rect toSdlRect(const Rect& r) {
    SDL_Rect out;
    out.x = narrowPosition(r.x);
    out.y = narrowPosition(r.y);
    out.w = narrowSize(r.w);
    out.h = narrowSize(r.h);
    return out;
}
