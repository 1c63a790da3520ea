#include "Pilot.h"

#include <algorithm>
#include <unordered_set>

namespace {

// One flight's robot after a frame, and how it got there.
struct Node {
    int32_t x, y, dx, dy;
    int32_t parent;  // index in the frame before
    bool climbing;   // the input of this frame
};

struct NodeHash {
    size_t operator()(const Node& n) const {
        uint64_t h = static_cast<uint32_t>(n.x);
        h = h * 1000003u ^ static_cast<uint32_t>(n.y);
        h = h * 1000003u ^ static_cast<uint32_t>(n.dx);
        h = h * 1000003u ^ static_cast<uint32_t>(n.dy);
        return static_cast<size_t>(h);
    }
};

struct SameRobot {
    bool operator()(const Node& a, const Node& b) const {
        return a.x == b.x && a.y == b.y && a.dx == b.dx && a.dy == b.dy;
    }
};

void place(Entity& robot, const Node& n) {
    robot.box.x = n.x;
    robot.box.y = n.y;
    robot.dx = n.dx;
    robot.dy = n.dy;
}

Node nodeOf(const Entity& robot, int32_t parent, bool climbing) {
    return Node{robot.box.x, robot.box.y, robot.dx, robot.dy, parent, climbing};
}

}  // namespace

Flightplan findPassage(const Physics& physics, const Entity& robot, Level& level, int32_t frames,
                       PilotStart start) {
    // Every flight sees the same level at the same frame, so they all fly frame by frame
    // together, and flights whose robots are alike from some frame on are kept once.
    std::vector<std::vector<Node>> layers;
    layers.push_back({nodeOf(robot, -1, false)});
    float climbAccumulator = start.climbAccumulator;
    level.scrollX = start.scrollRemainder;
    Entity flier = robot;
    Flightplan plan;
    plan.mostFlights = 1;
    std::vector<bool> decisions;

    for (int32_t frame = 0; frame < frames; ++frame) {
        const std::vector<Node>& before = layers.back();
        std::vector<Node> unhurt;
        for (size_t i = 0; i < before.size(); ++i) {
            place(flier, before[i]);
            if (flight::moveAndCollide(physics, flier, level) == 0) {
                unhurt.push_back(nodeOf(flier, static_cast<int32_t>(i), false));
            }
        }
        level.scroll(flight::kScrollPerFrame, 0);

        // The climb rule reads the input only in the frames where it changes the speed.
        const bool decision = climbAccumulator >= flight::kClimbThreshold;
        decisions.push_back(decision);
        std::unordered_set<Node, NodeHash, SameRobot> seen;
        std::vector<Node> after;
        float nextAccumulator = climbAccumulator;
        for (const Node& n : unhurt) {
            for (const bool climbing : {false, true}) {
                if (climbing && !decision) {
                    break;
                }
                place(flier, n);
                float accumulator = climbAccumulator;
                flight::steer(physics, flier, accumulator, climbing);
                nextAccumulator = accumulator;
                const Node next = nodeOf(flier, n.parent, climbing);
                if (seen.insert(next).second) {
                    after.push_back(next);
                }
            }
        }
        if (after.empty()) {
            break;
        }
        climbAccumulator = nextAccumulator;
        plan.mostFlights = std::max(plan.mostFlights, after.size());
        if (frame >= 100) {
            plan.fewestFlights =
                frame == 100 ? after.size() : std::min(plan.fewestFlights, after.size());
        }
        layers.push_back(std::move(after));
    }

    // Follows one of the longest flights back to the start.
    plan.framesFlown = static_cast<int32_t>(layers.size()) - 1;
    plan.passable = plan.framesFlown == frames;
    plan.climbing.assign(static_cast<size_t>(plan.framesFlown), false);
    const Node& last = layers.back().front();
    plan.endY = last.y;
    plan.endDy = last.dy;
    int32_t index = 0;
    for (size_t layer = layers.size() - 1; layer > 0; --layer) {
        const Node& n = layers[layer][static_cast<size_t>(index)];
        plan.climbing[layer - 1] = n.climbing;
        index = n.parent;
    }
    // Between decisions the input does not count; holding it as it was keeps a replay simple.
    for (size_t frame = 1; frame < plan.climbing.size(); ++frame) {
        if (!decisions[frame]) {
            plan.climbing[frame] = plan.climbing[frame - 1];
        }
    }
    return plan;
}
