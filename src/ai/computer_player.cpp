#include "ai/computer_player.h"

#include "sim/match_engine.h"
#include "sim/match_rules.h"
#include "sim/table_layout.h"

#include <cmath>
#include <initializer_list>

namespace {

// What sets the strengths apart: how often it looks, how well it aims, and
// whether it meets the ball where it will cross a rod or where it is now.
struct StrengthProfile {
    int reaction;    // ticks between decisions
    float aimSpread; // z error of its aim, table units either side
    float timing;    // error of its kick timing, seconds either side
    bool predicts;   // follows the ball's path to each rod, walls included
    bool aims;       // turns shots toward the goal with the figure's edge
    bool dodges;     // slides rods out of the way of its own balls going forward
    bool guards;     // keeps goalkeeper and defence in front of its goal
};

constexpr StrengthProfile strengthProfiles[] = {
    {18, 14.0f, 0.05f, false, false, false, false}, // easy
    {7, 4.0f, 0.02f, true, true, true, true},       // normal
    {5, 0.0f, 0.0f, true, true, true, true},        // hard
};

// Ticks the computer waits before it presses Enter at a kick-off and at a
// ball that looks stopped (sooner than the game's own push).
constexpr int kickOffWait = 2 * ticksPerSecond;
constexpr int stalledWait = 2 * ticksPerSecond;

// Ball x beyond which manual rod choice takes the defensive pair, as the
// automatic choice does.
constexpr float defensiveZone = 70.0f;
// A kick meets the ball halfway through the foot's swing to the limit, which
// carries the front of its hit box about kickSweep units toward the ball.
constexpr float kickSweep = 12.0f;
constexpr int kickHold = 9;
// A back swing held this long reaches its limit before the kick through.
constexpr int windUpTicks = 6;
constexpr float windUpSeconds = static_cast<float>(windUpTicks) / ticksPerSecond;
// Half the x size of a figure's hit box.
constexpr float boxHalfX = 10.0f;
// Slides shorter than this are not worth a key press.
constexpr float slideDeadband = 2.0f;
// Room between a dodging figure and the ball: half a figure, the ball, a little air.
constexpr float dodgeGap = 20.0f;
// Longest look ahead along the ball's path, in seconds.
constexpr float predictionHorizon = 1.5f;
// A hit this far off the figure's middle turns the ball across the table.
constexpr float edgeOffset = 6.0f;
// A figure in a shot's way weighs as much as missing the goal's middle by this much.
constexpr float blockedShotCost = 60.0f;
// A guarding goalkeeper pair waits this share of the ball's z off the middle
// while the ball goes away, and meets a coming ball no farther out than the
// posts plus this margin.
constexpr float guardLean = 0.3f;
constexpr float guardMargin = 6.0f;
// A ball slower than this along x (units per second) is kicked where it lies
// once the foot's sweep reaches it, and is met by the goalkeeper pair.
constexpr float slowBall = 20.0f;
// One second, the window of the change limit.
constexpr int changeWindow = ticksPerSecond;

const StrengthProfile& profileOf(int strength)
{
    const int index = strength <= ComputerEasy ? 0 : strength >= ComputerHard ? 2 : 1;
    return strengthProfiles[index];
}

// Uniform in [-spread, spread].
float randomSpread(MatchRandom& random, float spread)
{
    return spread * (static_cast<float>(random.nextU32() % 2001u) / 1000.0f - 1.0f);
}

// The computer player and the match it looks at, for one tick.
struct Look {
    ComputerPlayer& computer;
    const MatchState& state;
    const Ball& ball;
};

int attackSign(int player) { return player == 1 ? 1 : -1; }
const Team& teamOf(const Look& look) { return look.state.teams[look.computer.player - 1]; }
const LayoutEntry* layoutOf(int player) { return layoutOfTeam(player - 1); }
int activePairOf(const Look& look) { return look.state.activePair[look.computer.player - 1]; }

float velocityX(const Ball& ball) { return ball.direction.x * ball.speedX; }
float velocityZ(const Ball& ball) { return ball.direction.z * ball.speedZ; }

// A z past a side wall folded back onto the table, as the walls reflect the ball.
float foldIntoTable(const Ball& ball, float z)
{
    const float limit = tableWidth / 2.0f - ball.radius;
    if (z >= -limit && z <= limit)
        return z;
    const float period = 4.0f * limit;
    float u = std::fmod(z + limit, period);
    if (u < 0.0f)
        u += period;
    if (u > 2.0f * limit)
        u = period - u;
    return u - limit;
}

// The ball's z where it will cross x, looking at most predictionHorizon ahead.
float zWhereBallCrosses(const Ball& ball, float x)
{
    const float vx = velocityX(ball);
    if (vx == 0.0f)
        return ball.position.z;
    float t = (x - ball.position.x) / vx;
    if (t < 0.0f)
        return ball.position.z;
    if (t > predictionHorizon)
        t = predictionHorizon;
    return foldIntoTable(ball, ball.position.z + velocityZ(ball) * t);
}

// One rod as the computer sees it: where it stands and how far it may slide.
// The figures of a rod are neighbours in the layout.
struct RodView {
    float x = 0.0f;
    int first = 0;
    int count = 0;
    float offset = 0.0f; // slide from the layout place
    float lowOffset = 0.0f;
    float highOffset = 0.0f;
};

RodView viewRod(const Look& look, int rod)
{
    const LayoutEntry* layout = layoutOf(look.computer.player);
    RodView view;
    view.first = -1;
    for (int i = 0; i < figuresPerTeam; ++i) {
        if (layout[i].rod != rod)
            continue;
        if (view.first < 0)
            view.first = i;
        ++view.count;
    }
    if (view.first < 0) {
        view.first = 0;
        view.count = 0;
        return view;
    }
    const int last = view.first + view.count - 1;
    const float limit = tableWidth / 2.0f - rodSideMargin;
    view.x = static_cast<float>(layout[view.first].x);
    view.offset = teamOf(look).figures[view.first].position.z - static_cast<float>(layout[view.first].z);
    view.lowOffset = -limit - static_cast<float>(layout[view.first].z);
    view.highOffset = limit - static_cast<float>(layout[last].z);
    return view;
}

float clampOffset(const RodView& rod, float offset)
{
    return offset < rod.lowOffset ? rod.lowOffset : offset > rod.highOffset ? rod.highOffset : offset;
}

// The slide that brings some figure to z, the shortest way; a z out of reach
// gets the nearest figure as close as the rod allows.
float offsetToMeet(const RodView& rod, const LayoutEntry* layout, float z)
{
    float best = rod.offset;
    float bestCost = 1e9f;
    for (int i = rod.first; i < rod.first + rod.count; ++i) {
        const float offset = clampOffset(rod, z - static_cast<float>(layout[i].z));
        const float miss = std::fabs(static_cast<float>(layout[i].z) + offset - z);
        const float cost = miss * 100.0f + std::fabs(offset - rod.offset);
        if (cost < bestCost) {
            bestCost = cost;
            best = offset;
        }
    }
    return best;
}

bool clearOf(const RodView& rod, const LayoutEntry* layout, float offset, float z)
{
    for (int i = rod.first; i < rod.first + rod.count; ++i)
        if (std::fabs(static_cast<float>(layout[i].z) + offset - z) < dodgeGap)
            return false;
    return true;
}

// The shortest slide that leaves every figure of the rod clear of z.
float offsetToDodge(const RodView& rod, const LayoutEntry* layout, float z)
{
    if (clearOf(rod, layout, rod.offset, z))
        return rod.offset;
    float best = rod.offset;
    float bestDistance = 1e9f;
    for (int i = rod.first; i < rod.first + rod.count; ++i) {
        for (float side : {-dodgeGap, dodgeGap}) {
            const float offset = clampOffset(rod, z + side - static_cast<float>(layout[i].z));
            if (!clearOf(rod, layout, offset, z) || std::fabs(offset - rod.offset) >= bestDistance)
                continue;
            best = offset;
            bestDistance = std::fabs(offset - rod.offset);
        }
    }
    return best;
}

// Figures between a shot from fromX and the far goal that stand in its way.
int figuresInTheWay(const Look& look, float fromX, float ballZ, float vz, int sign)
{
    const float shotSpeed = 2.0f * static_cast<float>(kickSpeed);
    int count = 0;
    for (const Team& team : look.state.teams) {
        for (const Figure& figure : team.figures) {
            const float ahead = sign * (figure.position.x - fromX);
            if (ahead <= boxHalfX)
                continue;
            const float z = foldIntoTable(look.ball, ballZ + vz * ahead / shotSpeed);
            if (std::fabs(z - figure.position.z) < figure.sizeZ + look.ball.radius)
                ++count;
        }
    }
    return count;
}

// Figure z relative to the ball for the hit that sends the ball past the
// figures in its way and nearest the middle of the far goal: the middle of
// the foot keeps the ball's z speed, an edge gives it the kick speed across.
float aimOffset(const Look& look, float rodX, float ballZ, int sign)
{
    const float kick = static_cast<float>(kickSpeed);
    const float flight = std::fabs(sign * tableLength / 2.0f - rodX) / (2.0f * kick);
    const float hits[3][2] = {{0.0f, velocityZ(look.ball)}, {edgeOffset, -kick}, {-edgeOffset, kick}};
    float best = 0.0f;
    float bestCost = 1e9f;
    for (const auto& hit : hits) {
        const float cost = std::fabs(foldIntoTable(look.ball, ballZ + hit[1] * flight)) +
                           blockedShotCost * static_cast<float>(figuresInTheWay(look, rodX, ballZ, hit[1], sign));
        if (cost < bestCost) {
            bestCost = cost;
            best = hit[0];
        }
    }
    return best;
}

// Takes one of the ten changes of the last second; false when they are used up.
bool takeChange(ComputerPlayer& computer)
{
    int& oldest = computer.changeTimes[computer.nextChange];
    if (computer.clock - oldest < changeWindow)
        return false;
    oldest = computer.clock;
    computer.nextChange = (computer.nextChange + 1) % maxChangesPerSecond;
    return true;
}

// Toward the opponent is +x for player 1 and -x for player 2.
int8_t kickToward(const ComputerPlayer& computer) { return computer.player == 1 ? 1 : -1; }

void releaseSlide(ComputerPlayer& computer, int slot)
{
    if (computer.slideHeld[slot] == 0 || !takeChange(computer))
        return;
    computer.slideHeld[slot] = 0;
}

void releaseKick(ComputerPlayer& computer, int slot)
{
    if (computer.kickHeld[slot] == 0 || !takeChange(computer))
        return;
    computer.kickHeld[slot] = 0;
}

int rodOfSlot(int pair, int slot) { return pair * 2 + slot; }

int8_t slideOf(int slideState) { return slideState == SlideMinusZ ? -1 : slideState == SlidePlusZ ? 1 : 0; }
int8_t kickOf(int swingState) { return swingState == SwingRising ? 1 : swingState == SwingFalling ? -1 : 0; }

// After the pair changed under it, the computer takes stock of what the new
// pair's rods are doing, as a person sees their figures move.
void takeStockOfPair(const Look& look)
{
    ComputerPlayer& computer = look.computer;
    const int pair = activePairOf(look);
    computer.heldPair = pair;
    for (int slot = 0; slot < 2; ++slot) {
        const RodView rod = viewRod(look, rodOfSlot(pair, slot));
        const Figure& figure = teamOf(look).figures[rod.first];
        computer.slideHeld[slot] = slideOf(figure.slideState);
        computer.slideUntil[slot] = computer.clock;
        computer.kickHeld[slot] = kickOf(figure.swingState);
        computer.kickSince[slot] = computer.clock - kickHold;
        computer.kickAt[slot] = -1;
        computer.windUp[slot] = false;
    }
}

// Slides a rod by the given amount: one press now, the release when it should be there.
void steerRod(ComputerPlayer& computer, int slot, float distance)
{
    if (std::fabs(distance) <= slideDeadband) {
        releaseSlide(computer, slot);
        return;
    }
    const int8_t direction = distance > 0.0f ? 1 : -1;
    if (computer.slideHeld[slot] != direction) {
        if (!takeChange(computer))
            return;
        computer.slideHeld[slot] = direction;
    }
    computer.slideUntil[slot] = computer.clock + static_cast<int>(std::ceil(std::fabs(distance) / slideStepDistance()));
}

float swingSeconds() { return 45.0f / static_cast<float>(swingRate); }

// Plans a kick for the tick the ball will be halfway into the sweep of a
// figure of the rod: now for a ball already there, later for one still coming.
void planKick(const Look& look, const StrengthProfile& profile, int slot)
{
    ComputerPlayer& computer = look.computer;
    const Ball& ball = look.ball;
    computer.kickAt[slot] = -1;
    if (look.state.phase != MatchPhase::InPlay || computer.kickHeld[slot] != 0)
        return;
    const int sign = attackSign(computer.player);
    const RodView rod = viewRod(look, rodOfSlot(computer.heldPair, slot));
    const float gap = sign * (ball.position.x - rod.x) - boxHalfX;
    const float closing = -sign * velocityX(ball);
    // A slow ball on the rod's own line is met by swinging back and then
    // through it: the foot comes onto it from the front.
    const bool onRodLine = closing <= slowBall && gap < 0.0f && gap >= -2.0f * boxHalfX;
    if (gap < -boxHalfX / 2.0f && !onRodLine)
        return;
    const float ballZ = closing > 0.0f ? zWhereBallCrosses(ball, rod.x)
                        : onRodLine  ? foldIntoTable(ball, ball.position.z + velocityZ(ball) * windUpSeconds)
                                     : ball.position.z;
    const Figure* figures = teamOf(look).figures;
    float nearest = 1e9f;
    for (int i = rod.first; i < rod.first + rod.count; ++i)
        nearest = std::fmin(nearest, std::fabs(figures[i].position.z - ballZ));
    if (nearest >= figures[rod.first].sizeZ + 1.0f)
        return;
    float delay = 0.0f;
    if (closing > slowBall)
        delay = (gap - kickSweep / 2.0f) / closing - swingSeconds() / 2.0f;
    else if (gap > kickSweep)
        return;
    delay += randomSpread(computer.random, profile.timing);
    const int delayTicks = static_cast<int>(std::lround(delay * ticksPerSecond));
    if (delayTicks < profile.reaction) {
        computer.kickAt[slot] = computer.clock + (delayTicks > 0 ? delayTicks : 0);
        computer.windUp[slot] = onRodLine;
    }
}

void pressSwing(ComputerPlayer& computer, int slot, bool back)
{
    const int8_t toward = kickToward(computer);
    computer.kickHeld[slot] = back ? static_cast<int8_t>(-toward) : toward;
    computer.kickSince[slot] = computer.clock;
}

// A ball just behind a rod, on its own goal's side: a forward swing let go
// now would swing back into it toward its own goal.
bool ballBehindRod(const Look& look, int slot)
{
    const RodView rod = viewRod(look, rodOfSlot(look.computer.heldPair, slot));
    const float behind = attackSign(look.computer.player) * (rod.x - look.ball.position.x);
    return behind > 0.0f && behind < 2.0f * kickSweep + boxHalfX;
}

// Planned kicks go off and held ones end, tick by tick; a forward swing stays
// up while the ball lies just behind its rod.
void runKicks(const Look& look)
{
    ComputerPlayer& computer = look.computer;
    for (int slot = 0; slot < 2; ++slot) {
        const int held = computer.clock - computer.kickSince[slot];
        if (computer.kickHeld[slot] != 0 && computer.windUp[slot]) {
            if (held >= windUpTicks && takeChange(computer)) {
                pressSwing(computer, slot, false);
                computer.windUp[slot] = false;
            }
        } else if (computer.kickHeld[slot] != 0) {
            if (held >= kickHold && !(computer.kickHeld[slot] == kickToward(computer) && ballBehindRod(look, slot)))
                releaseKick(computer, slot);
        } else if (computer.kickAt[slot] >= 0 && computer.clock >= computer.kickAt[slot] && takeChange(computer)) {
            pressSwing(computer, slot, computer.windUp[slot]);
            computer.kickAt[slot] = -1;
        }
    }
}

void decideSlide(const Look& look, const StrengthProfile& profile, int slot)
{
    ComputerPlayer& computer = look.computer;
    const Ball& ball = look.ball;
    const int sign = attackSign(computer.player);
    const LayoutEntry* layout = layoutOf(computer.player);
    const RodView rod = viewRod(look, rodOfSlot(computer.heldPair, slot));
    const float vx = velocityX(ball);
    const bool coming = (rod.x - ball.position.x) * vx > 0.0f;
    const float ballZ = profile.predicts && coming ? zWhereBallCrosses(ball, rod.x) : ball.position.z;
    float offset = rod.offset;
    if (look.state.phase != MatchPhase::InPlay) {
        // Before the kick-off every rod lines up on the middle, where the ball starts.
        offset = offsetToMeet(rod, layout, 0.0f);
    } else if (profile.dodges && sign * (ball.position.x - rod.x) < 0.0f && sign * vx > 0.0f) {
        offset = offsetToDodge(rod, layout, ballZ);
    } else if (profile.guards && computer.heldPair == 0) {
        const float post = tableGoalWidth / 2.0f + guardMargin;
        const bool goingAway = sign * vx > slowBall;
        const float z = goingAway ? ballZ * guardLean : std::fmax(-post, std::fmin(post, ballZ));
        offset = offsetToMeet(rod, layout, z);
    } else {
        const float aim = profile.aims ? aimOffset(look, rod.x, ballZ, sign) : 0.0f;
        offset = offsetToMeet(rod, layout, ballZ + aim + computer.aimError);
    }
    steerRod(computer, slot, offset - rod.offset);
}

// In manual rod choice the computer switches pairs itself, by the ball's half.
void choosePair(const Look& look)
{
    if (look.state.settings.manualRodSelection == 0)
        return;
    const int wanted = attackSign(look.computer.player) * look.ball.position.x < -defensiveZone ? 0 : 1;
    if (wanted == activePairOf(look) || !takeChange(look.computer))
        return;
    look.computer.switchPair = true;
}

void decide(const Look& look)
{
    ComputerPlayer& computer = look.computer;
    const StrengthProfile& profile = profileOf(computer.strength);
    computer.nextDecision = computer.clock + profile.reaction;
    if (look.ball.direction.x != computer.lastDirectionX) {
        computer.lastDirectionX = look.ball.direction.x;
        computer.aimError = randomSpread(computer.random, profile.aimSpread);
    }
    choosePair(look);
    // The rod nearer the ball goes first when changes run short.
    const float firstX = viewRod(look, rodOfSlot(computer.heldPair, 0)).x;
    const float secondX = viewRod(look, rodOfSlot(computer.heldPair, 1)).x;
    const float ballX = look.ball.position.x;
    const int nearSlot = std::fabs(firstX - ballX) <= std::fabs(secondX - ballX) ? 0 : 1;
    for (int slot : {nearSlot, 1 - nearSlot})
        planKick(look, profile, slot);
    for (int slot : {nearSlot, 1 - nearSlot})
        decideSlide(look, profile, slot);
}

// How long the computer waits in the current phase before it presses Enter; 0 for never.
int enterWait(const MatchState& state)
{
    switch (state.phase) {
    case MatchPhase::KickOffPending:
    case MatchPhase::Goal: return kickOffWait;
    case MatchPhase::InPlay: return ballLooksStopped(state.ball) ? stalledWait : 0;
    default: return 0;
    }
}

bool enterDue(ComputerPlayer& computer, const MatchState& state)
{
    const int wait = enterWait(state);
    const int phase = static_cast<int>(state.phase);
    if (wait <= 0 || phase != computer.waitingFor) {
        computer.waiting = 0;
        computer.waitingFor = wait > 0 ? phase : -1;
        return false;
    }
    if (++computer.waiting < wait)
        return false;
    computer.waiting = 0;
    return true;
}

} // namespace

ComputerPlayer makeComputerPlayer(int player, int strength, uint64_t matchSeed)
{
    ComputerPlayer computer;
    computer.player = player == 1 ? 1 : 2;
    computer.strength = strength;
    computer.random.seed(matchSeed * 2u + static_cast<uint64_t>(computer.player));
    for (int& time : computer.changeTimes)
        time = -changeWindow;
    return computer;
}

InputRecord decideComputerInput(ComputerPlayer& computer, const MatchState& state)
{
    const Look look{computer, state, state.ball};
    ++computer.clock;
    computer.switchPair = false;
    if (activePairOf(look) != computer.heldPair)
        takeStockOfPair(look);
    for (int slot = 0; slot < 2; ++slot)
        if (computer.slideHeld[slot] != 0 && computer.clock >= computer.slideUntil[slot])
            releaseSlide(computer, slot);
    if (computer.clock >= computer.nextDecision)
        decide(look);
    runKicks(look);

    InputRecord record;
    for (int slot = 0; slot < 2; ++slot) {
        record.slide[slot] = computer.slideHeld[slot];
        record.kick[slot] = computer.kickHeld[slot];
    }
    record.switchPair = computer.switchPair;
    record.enter = enterDue(computer, state);
    return record;
}
