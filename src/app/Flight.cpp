#include "app/Flight.h"

#include "world/Wrapping.h"

namespace flight {

void applyClimbRule(Entity& robot, float& climbAccumulator, bool climbing) {
    if (climbAccumulator >= kClimbThreshold) {
        const auto n = static_cast<int32_t>(climbAccumulator);
        robot.dy = climbing ? wrappingSub(robot.dy, n) : wrappingAdd(robot.dy, n);
        climbAccumulator = 0.0f;
    } else {
        climbAccumulator += kClimbStep;
    }
}

int32_t moveAndCollide(const Physics& physics, Entity& robot, const Level& level) {
    robot.translate(robot.dx, robot.dy);
    if (physics.tileSize != 0) {
        robot.column = wrappingAdd(robot.box.x, robot.box.w / 2) / physics.tileSize;
        robot.row = wrappingAdd(robot.box.y, robot.box.h / 2) / physics.tileSize;
    }
    return physics.collide(robot, level);
}

void steer(const Physics& physics, Entity& robot, float& climbAccumulator, bool climbing) {
    applyClimbRule(robot, climbAccumulator, climbing);
    physics.collideWithScreen(robot);
}

int32_t flyOneFrame(const Physics& physics, Entity& robot, Level& level, float& climbAccumulator,
                    bool climbing) {
    const int32_t hit = moveAndCollide(physics, robot, level);
    level.scroll(kScrollPerFrame, 0);
    steer(physics, robot, climbAccumulator, climbing);
    return hit;
}

}  // namespace flight
