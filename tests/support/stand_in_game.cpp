#include "support/stand_in_game.h"

#include "sim/input_packing.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int32_t courtLength = 1000;
constexpr int32_t courtWidth = 600;
constexpr int32_t paddleReach = 50;
constexpr int32_t paddleSpeed = 7;
constexpr int32_t serveSpeed = 12;

uint32_t nextRandom(uint64_t& state)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<uint32_t>(state >> 32);
}

void serve(StandInState& state, int towardSide)
{
    state.ballX = courtLength / 2;
    state.ballY = courtWidth / 2;
    state.speedX = towardSide == 0 ? -serveSpeed : serveSpeed;
    state.speedY = static_cast<int32_t>(nextRandom(state.random) % 13) - 6;
}

uint64_t mix(uint64_t hash, int64_t value)
{
    hash ^= static_cast<uint64_t>(value);
    return hash * 0x100000001b3ull;
}

} // namespace

StandInState StandInGame::start(const MatchSetup& setup)
{
    StandInState state;
    state.goalsToWin = setup.goalsToWin;
    state.random = setup.seed * 2654435761u + 1;
    state.paddle[0] = state.paddle[1] = courtWidth / 2;
    serve(state, static_cast<int>(setup.seed & 1));
    return state;
}

StandInEvents StandInGame::step(StandInState& state, const StandInInput (&inputs)[2])
{
    StandInEvents events;
    ++state.tick;
    if (finished(state))
        return events;
    for (int side = 0; side < 2; ++side) {
        state.paddle[side] += inputs[side].move * paddleSpeed;
        state.paddle[side] = std::min(std::max(state.paddle[side], 0), courtWidth);
    }
    state.ballX += state.speedX;
    state.ballY += state.speedY;
    if (state.ballY < 0 || state.ballY > courtWidth) {
        state.speedY = -state.speedY;
        state.ballY = state.ballY < 0 ? -state.ballY : 2 * courtWidth - state.ballY;
    }
    const int side = state.ballX <= 0 ? 0 : state.ballX >= courtLength ? 1 : -1;
    if (side < 0)
        return events;
    const int32_t offset = state.ballY - state.paddle[side];
    if (std::abs(offset) <= paddleReach) {
        const int32_t speed = serveSpeed + (inputs[side].push ? 6 : 0) + static_cast<int32_t>(nextRandom(state.random) % 3);
        state.speedX = side == 0 ? speed : -speed;
        state.speedY = offset / 5;
        state.ballX = side == 0 ? 0 : courtLength;
        events = {StandInEventType::Return, side + 1};
        return events;
    }
    const int scorer = 1 - side;
    ++state.score[scorer];
    events = {finished(state) ? StandInEventType::End : StandInEventType::Point, scorer + 1};
    serve(state, side);
    return events;
}

uint64_t StandInGame::hash(const StandInState& state)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    for (int64_t value : {int64_t{state.ballX}, int64_t{state.ballY}, int64_t{state.speedX}, int64_t{state.speedY},
                          int64_t{state.paddle[0]}, int64_t{state.paddle[1]}, int64_t{state.score[0]},
                          int64_t{state.score[1]}, int64_t{state.tick}, static_cast<int64_t>(state.random)})
        hash = mix(hash, value);
    return hash;
}

PackedInput StandInGame::pack(const StandInInput& input)
{
    return static_cast<PackedInput>(packDirection(input.move, 0) | (input.push ? packedEnterBit : 0));
}

StandInInput StandInGame::unpack(PackedInput packed)
{
    StandInInput input;
    input.move = static_cast<int8_t>(unpackDirection(packed, 0));
    input.push = (packed & packedEnterBit) != 0;
    return input;
}

bool StandInGame::finished(const StandInState& state)
{
    return state.score[0] >= state.goalsToWin || state.score[1] >= state.goalsToWin;
}

int StandInGame::score(const StandInState& state, int side)
{
    return state.score[side];
}

StandInInput decideStandInInput(StandInComputer& computer, const StandInState& state)
{
    // A new aim point every so often: the paddle centre misses the ball by
    // up to 60 units, more than its reach, so some returns fail.
    if (state.tick % 20 == 0)
        computer.aim = static_cast<int32_t>(nextRandom(computer.random) % 121) - 60;
    StandInInput input;
    const int32_t target = state.ballY + computer.aim;
    const int32_t gap = target - state.paddle[computer.side];
    input.move = static_cast<int8_t>(gap > paddleSpeed ? 1 : gap < -paddleSpeed ? -1 : 0);
    input.push = nextRandom(computer.random) % 4 == 0;
    return input;
}

StandInState replayStandIn(const MatchSetup& setup, const std::vector<StandInInput>& side0,
                           const std::vector<StandInInput>& side1)
{
    StandInState state = StandInGame::start(setup);
    for (size_t tick = 0; tick < side0.size() && tick < side1.size(); ++tick) {
        const StandInInput both[2] = {side0[tick], side1[tick]};
        StandInGame::step(state, both);
    }
    return state;
}
