// The console report: the status block's exact text, the terminal clear, and the blocks the
// game writes every sixteenth frame.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CapturedOutput.h"
#include "GameDriving.h"
#include "SdlEvents.h"
#include "app/Console.h"
#include "app/Game.h"

namespace {

TEST(StatusBlock, SpellsTheBannerTheRatesAndTheSwitches) {
    struct Case {
        int32_t frames;
        int32_t loops;
        int32_t seconds;
        bool debug;
        bool outlines;
        const char* text;
    };
    const Case cases[] = {
        {16, 15, 0, false, false, "Quorrin Engine Demo\n(D)ebug    [0]\n(O)utlines [0]"},
        {16, 15, 0, true, false, "Quorrin Engine Demo\n(D)ebug    [1]\n(O)utlines [0]"},
        {176, 175, 3, false, true,
         "Quorrin Engine Demo\nPFPS= 58\nFPS = 58\nCap = 60\n(D)ebug    [0]\n(O)utlines [1]"},
        {32, 31, 4, true, true,
         "Quorrin Engine Demo\nPFPS= 8\nFPS = 7\nCap = 60\n(D)ebug    [1]\n(O)utlines [1]"},
        // Signed division that drops the remainder.
        {7, 6, -2, false, false,
         "Quorrin Engine Demo\nPFPS= -3\nFPS = -3\nCap = 60\n(D)ebug    [0]\n(O)utlines [0]"},
        // Counters that have wrapped round do not trap.
        {INT_MIN, INT_MAX, -1, false, false,
         "Quorrin Engine Demo\nPFPS= -2147483648\nFPS = -2147483647\nCap = 60\n(D)ebug    [0]\n"
         "(O)utlines [0]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(console::statusBlock(c.frames, c.loops, c.seconds, c.debug, c.outlines), c.text);
    }
}

// Standard output moved onto the slave side of a new pseudo-terminal while the object lives;
// what was written there is read back from the master side.
class Terminal {
public:
    Terminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master_, 0);
        EXPECT_EQ(grantpt(master_), 0);
        EXPECT_EQ(unlockpt(master_), 0);
        const int slave = open(ptsname(master_), O_RDWR | O_NOCTTY);
        EXPECT_GE(slave, 0);
        std::cout.flush();
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        dup2(slave, STDOUT_FILENO);
        close(slave);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;
    ~Terminal() {
        restore();
        close(master_);
    }

    // Puts standard output back and returns what reached the terminal.
    std::string written() {
        restore();
        std::string text;
        pollfd ready{master_, POLLIN, 0};
        while (poll(&ready, 1, 500) > 0 && (ready.revents & POLLIN) != 0) {
            char buffer[256];
            const ssize_t n = read(master_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            text.append(buffer, static_cast<size_t>(n));
        }
        return text;
    }

private:
    void restore() {
        if (saved_ < 0) {
            return;
        }
        std::cout.flush();
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
        saved_ = -1;
    }

    int master_ = -1;
    int saved_ = -1;
};

TEST(ClearConsole, OnATerminalBlanksItAndPutsTheCursorHome) {
    Terminal terminal;
    nsClearConsole::ClearConsole console;
    EXPECT_EQ(console.hConsoleHandle, STDOUT_FILENO);
    std::cout << "Loading. . . Ready!";
    console.Clear();
    std::cout << "Quorrin Engine Demo" << std::flush;
    EXPECT_EQ(terminal.written(), "Loading. . . Ready!\x1b[2J\x1b[HQuorrin Engine Demo");
}

TEST(ClearConsole, WithOutputInAFileClearsNothing) {
    captureStdout();
    nsClearConsole::ClearConsole console;
    std::cout << "Ready!";
    console.Clear();
    std::cout << "Quorrin";
    const std::string output = capturedStdout();
    EXPECT_EQ(console.hConsoleHandle, -1);
    EXPECT_EQ(output, "Ready!Quorrin");
}

class ConsoleStatusTest : public testing::Test {
protected:
    void SetUp() override {
        game = quietGame();
        game->sleep = [](Uint32) {};
        // Crashed behind the welcome picture: the round's seconds stand where they are put.
        game->hasCollided = 1;
    }
    void TearDown() override {
        game->graphics.release();
        game.reset();
        drainQueue();
    }

    // One frame and what it wrote.
    std::string frame() {
        captureStdout();
        game->runFrame();
        return capturedStdout();
    }

    std::unique_ptr<Game> game;
};

TEST_F(ConsoleStatusTest, ABlockEverySixteenthFrameBeginningWithFrameSixteen) {
    std::vector<int> writing;
    for (int n = 1; n <= 64; ++n) {
        if (!frame().empty()) {
            writing.push_back(n);
        }
    }
    EXPECT_EQ(writing, (std::vector<int>{16, 32, 48, 64}));
}

TEST_F(ConsoleStatusTest, InAFileTheBlocksRunTogether) {
    game->seconds = 0;
    captureStdout();
    for (int n = 1; n <= 16; ++n) {
        game->runFrame();
    }
    game->seconds = 4;
    push(keyEvent(SDL_KEYDOWN, SDLK_d));  // debug and outlines on
    push(keyEvent(SDL_KEYUP, SDLK_d));
    for (int n = 17; n <= 32; ++n) {
        game->runFrame();
    }
    EXPECT_EQ(capturedStdout(),
              "Quorrin Engine Demo\n(D)ebug    [0]\n(O)utlines [0]"
              "Quorrin Engine Demo\nPFPS= 8\nFPS = 7\nCap = 60\n(D)ebug    [1]\n(O)utlines [1]");
}

TEST_F(ConsoleStatusTest, AFrameEndedWithAltAndF4WritesNoBlock) {
    for (int n = 1; n <= 14; ++n) {
        frame();
    }
    push(keyEvent(SDL_KEYDOWN, SDLK_LALT));
    ASSERT_EQ(frame(), "");
    ASSERT_NE(game->consoleFPS, 0);

    // Frame 16 takes F4; it would have written the block.
    push(keyEvent(SDL_KEYDOWN, SDLK_F4));
    captureStdout();
    EXPECT_FALSE(game->runFrame());
    EXPECT_EQ(capturedStdout(), "");
    EXPECT_EQ(game->frameCounter, 16);
    EXPECT_EQ(game->consoleFPS, 0) << "cleared all the same";
}

}  // namespace
