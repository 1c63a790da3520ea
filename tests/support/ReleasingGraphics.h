#pragma once

// Graphics frees its images only when asked; a test's context gives them back at the end.

#include "render/Graphics.h"

struct ReleasingGraphics : Graphics {
    using Graphics::Graphics;
    ~ReleasingGraphics() { release(); }
};
