// The shipped cave can be flown: the pilot finds inputs that carry the robot three times round
// the level without touching rock, and the game itself, given those inputs, flies them.
#include <gtest/gtest.h>

#include <memory>

#include "CapturedOutput.h"
#include "GameDriving.h"
#include "Pilot.h"
#include "SdlEvents.h"
#include "app/Game.h"
#include "readers/EntityReader.h"
#include "readers/LevelReader.h"
#include "readers/TileReader.h"

namespace {

constexpr int32_t kFramesPerLoop = 64 * 64 / 8;  // 64 columns of 64 pixels, 8 pixels a frame
constexpr int32_t kThreeLoops = 3 * kFramesPerLoop;
const Physics kPhysics{768, 512, 64};

class Passability : public testing::Test {
protected:
    void SetUp() override {
        captureStdout();
        graphics = std::make_unique<Graphics>(768, 512, 64);
        robot = EntityReader().getEntity("robot");
        robot.setX(flight::kStartX);
        robot.setY(flight::kStartY);
        level = std::make_unique<Level>(8, 64, TileReader());
        LevelReader().populateLevel("level_0", *level, *graphics);
        capturedStdout();
        ASSERT_GT(robot.box.w, 0);
        ASSERT_GT(robot.box.h, 0);
    }
    void TearDown() override { graphics->release(); }

    std::unique_ptr<Graphics> graphics;
    Entity robot;
    std::unique_ptr<Level> level;
};

TEST_F(Passability, TheShippedCaveCanBeFlownThreeTimesRound) {
    const Flightplan plan = findPassage(kPhysics, robot, *level, kThreeLoops);
    EXPECT_TRUE(plan.passable) << "every flight crashed by frame " << plan.framesFlown;
    RecordProperty("most flights at once", static_cast<int>(plan.mostFlights));
    RecordProperty("fewest flights at once", static_cast<int>(plan.fewestFlights));
    // A way through that only a handful of exact flights survive asks too much of a person.
    EXPECT_GE(plan.fewestFlights, 20u) << "the way through is too narrow";
}

// A new round keeps the climb rule's phase and the level's scroll remainder from the round
// before, so a round can begin in any of 6 x 8 ways. Each can be flown a whole loop.
TEST_F(Passability, EveryWayARoundCanBeginCanBeFlownOnceRound) {
    const Level pristine = *level;
    float phase = 0.0f;
    for (int step = 0; step < 6; ++step) {
        for (int32_t remainder = 0; remainder > -64; remainder -= 8) {
            Level fresh = pristine;
            const Flightplan plan =
                findPassage(kPhysics, robot, fresh, kFramesPerLoop, PilotStart{phase, remainder});
            EXPECT_TRUE(plan.passable) << "climb rule at " << phase << ", scrolled " << remainder
                                       << ": every flight crashed by frame " << plan.framesFlown;
        }
        phase += flight::kClimbStep;
    }
}

TEST_F(Passability, ACaveClosedByAColumnOfSquaresCannotBeFlown) {
    for (int32_t row = 0; row < level->rows; ++row) {
        level->insertTile(level->reader("square_0"), row, 20);
    }
    const Flightplan plan = findPassage(kPhysics, robot, *level, kThreeLoops);
    EXPECT_FALSE(plan.passable);
    // Every flight lasts until column 20, starting at x 1280, passes the robot's right edge at
    // x 160: the collision of frame n sees it at 1280 - 8 (n - 1).
    EXPECT_EQ(plan.framesFlown, (20 * 64 - 160) / 8 + 1);
}

// The pilot's flight, replayed in the game with key events, lasts just as long and ends in
// the same place: the pilot flies by the game's rules.
TEST(PassabilityInTheGame, TheGameFliesThePilotsPlanWithoutACrash) {
    const std::unique_ptr<Game> playing = quietGame();
    Game& game = *playing;
    game.sleep = [](Uint32) {};
    startRound(game);

    Level level = game.level;
    const PilotStart start{game.climbAccumulator, game.level.scrollX};
    const int32_t frames = kFramesPerLoop + 100;
    const Flightplan plan = findPassage(kPhysics, game.robot, level, frames, start);
    ASSERT_TRUE(plan.passable) << "crashed by frame " << plan.framesFlown;

    bool holding = false;
    for (int32_t frame = 0; frame < frames; ++frame) {
        if (plan.climbing[frame] != holding) {
            holding = plan.climbing[frame];
            push(keyEvent(holding ? SDL_KEYDOWN : SDL_KEYUP, SDLK_SPACE));
        }
        game.runFrame();
        ASSERT_EQ(game.hasCollided, 0) << "crashed in frame " << frame;
    }
    EXPECT_EQ(game.robot.box.x, flight::kStartX);
    EXPECT_EQ(game.robot.box.y, plan.endY);
    EXPECT_EQ(game.robot.dy, plan.endDy);
    game.graphics.release();
}

}  // namespace
