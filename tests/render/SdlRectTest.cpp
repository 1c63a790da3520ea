#include <gtest/gtest.h>

#include "render/SdlRect.h"
#include "world/Sprite.h"

TEST(SdlRect, SpriteRectanglesAreNarrowedFieldByField) {
    Sprite s(1, -2, 70000, 65535, 40000, -40000, 3, 4);
    const SDL_Rect src = toSdlRect(s.src);
    const SDL_Rect dst = toSdlRect(s.dst);
    EXPECT_EQ(src.x, 1);
    EXPECT_EQ(src.y, -2);
    EXPECT_EQ(src.w, 4464);
    EXPECT_EQ(src.h, 65535);
    EXPECT_EQ(dst.x, -25536);
    EXPECT_EQ(dst.y, 25536);
    EXPECT_EQ(dst.w, 3);
    EXPECT_EQ(dst.h, 4);
    // Drawing never changes the sprite's own 32-bit fields.
    EXPECT_EQ(s.dst.x, 40000);
    EXPECT_EQ(s.src.w, 70000);
}
