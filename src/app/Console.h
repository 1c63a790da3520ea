#pragma once

#include <cstdint>
#include <string>

// The game's report on the text console of standard output: a status block every sixteenth
// frame, written over the previous one on a freshly cleared terminal.
namespace nsClearConsole {

// Clears the terminal that standard output writes to. When standard output is a file, a pipe
// or nothing at all there is no terminal to clear, and the blocks simply follow one another.
class ClearConsole {
public:
    static constexpr char EMPTY = ' ';  // what the clear leaves in every character cell

    // Standard output's file descriptor while it is a terminal, else -1; looked up once.
    int32_t hConsoleHandle = -1;

    ClearConsole();

    // Blanks the whole terminal with spaces, leaving its colours alone, and puts the cursor
    // in the top-left cell, so that the next text written starts there.
    void Clear();
};

}  // namespace nsClearConsole

namespace console {

constexpr int32_t kRefreshFrames = 16;  // a status block every this many frames
constexpr int32_t kFrameCap = 60;       // printed as the cap; the game enforces no cap

// The status block exactly as the console shows it, without a final line end: the banner, the
// two frame rates and the cap while the round has lasted a second, and the two switches.
std::string statusBlock(int32_t frameCounter, int32_t loopCounter, int32_t seconds, bool debug,
                        bool outlines);

}  // namespace console
