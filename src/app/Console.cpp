#include "app/Console.h"

#include <unistd.h>

#include <iostream>

namespace nsClearConsole {

ClearConsole::ClearConsole() : hConsoleHandle(isatty(STDOUT_FILENO) ? STDOUT_FILENO : -1) {}

void ClearConsole::Clear() {
    if (hConsoleHandle < 0) {
        return;
    }
    // Erase the display (spaces in the current colours, which the game never changes), then
    // cursor home. Through the same stream as the status text, so the order is kept.
    std::cout << "\x1b[2J\x1b[H" << std::flush;
}

}  // namespace nsClearConsole

namespace console {

namespace {

// Signed division dropping the remainder, computed wide so that no pair of counters can trap.
int32_t rate(int32_t frames, int32_t seconds) {
    return static_cast<int32_t>(int64_t{frames} / int64_t{seconds});
}

}  // namespace

std::string statusBlock(int32_t frameCounter, int32_t loopCounter, int32_t seconds, bool debug,
                        bool outlines) {
    std::string block = "Quorrin Engine Demo";
    if (seconds != 0) {
        block += "\nPFPS= " + std::to_string(rate(frameCounter, seconds));
        block += "\nFPS = " + std::to_string(rate(loopCounter, seconds));
        block += "\nCap = " + std::to_string(kFrameCap);
    }
    block += "\n(D)ebug    ";
    block += debug ? "[1]" : "[0]";
    block += "\n(O)utlines ";
    block += outlines ? "[1]" : "[0]";
    return block;
}

}  // namespace console
