#include "pictures.h"

namespace asset_gen {

const std::vector<Picture>& pictures() {
    static const std::vector<Picture> all = {
        {"images/icon.png", drawIcon},
        {"images/fonts/kestrine_9.png", drawFontSheet},
        {"images/fonts/kestrine_9_negative.png", drawNegativeFontSheet},
    };
    return all;
}

}  // namespace asset_gen
