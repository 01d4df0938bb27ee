#include "ai/computer_player.h"

#include "core/controls.h"
#include "core/game_state.h"
#include "render/table.h"
#include "sim/ball.h"
#include "sim/figure.h"

#include <cmath>
#include <initializer_list>

namespace {

// What sets the strengths apart: how often it looks, how well it aims, and
// whether it meets the ball where it will cross a rod or where it is now.
struct StrengthProfile {
    float reaction;  // seconds between decisions
    float aimSpread; // z error of its aim, table units either side
    float timing;    // error of its kick timing, seconds either side
    bool predicts;   // follows the ball's path to each rod, walls included
    bool aims;       // turns shots toward the goal with the figure's edge
    bool dodges;     // slides rods out of the way of its own balls going forward
    bool guards;     // keeps goalkeeper and defence in front of its goal
};

constexpr StrengthProfile strengthProfiles[] = {
    {0.30f, 14.0f, 0.05f, false, false, false, false}, // easy
    {0.12f, 4.0f, 0.02f, true, true, true, true},      // normal
    {0.08f, 0.0f, 0.0f, true, true, true, true},       // hard
};

// Ball x beyond which manual rod choice takes the defensive pair, as the
// automatic choice does.
constexpr float defensiveZone = 70.0f;
// A kick meets the ball halfway through the foot's swing to the limit, which
// carries the front of its hit box about kickSweep units toward the ball.
constexpr float kickSweep = 12.0f;
constexpr float kickHold = 0.15f;
// A back swing held this long reaches its limit before the kick through.
constexpr float windUpSeconds = 0.1f;
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
constexpr float changeWindow = 1.0f;

const StrengthProfile& profileOf(int strength)
{
    const int index = strength <= ComputerEasy ? 0 : strength >= ComputerHard ? 2 : 1;
    return strengthProfiles[index];
}

uint32_t nextRandom(uint32_t& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

// Uniform in [-spread, spread].
float randomSpread(uint32_t& state, float spread)
{
    return spread * (static_cast<float>(nextRandom(state) % 2001u) / 1000.0f - 1.0f);
}

int attackSign(int player) { return player == 1 ? 1 : -1; }
Team& teamOf(int player) { return player == 1 ? team1 : team2; }
const LayoutEntry* layoutOf(int player) { return player == 1 ? layoutTeam1 : layoutTeam2; }

float velocityX() { return ball.direction.x * ball.speedX; }
float velocityZ() { return ball.direction.z * ball.speedZ; }

// A z past a side wall folded back onto the table, as the walls reflect the ball.
float foldIntoTable(float z)
{
    const float limit = table.width / 2.0f - ball.radius;
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
float zWhereBallCrosses(float x)
{
    const float vx = velocityX();
    if (vx == 0.0f)
        return ball.position.z;
    float t = (x - ball.position.x) / vx;
    if (t < 0.0f)
        return ball.position.z;
    if (t > predictionHorizon)
        t = predictionHorizon;
    return foldIntoTable(ball.position.z + velocityZ() * t);
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

RodView viewRod(int player, int rod)
{
    const LayoutEntry* layout = layoutOf(player);
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
    const float limit = table.width / 2.0f - rodSideMargin;
    view.x = static_cast<float>(layout[view.first].x);
    view.offset = teamOf(player).figures[view.first].position.z - static_cast<float>(layout[view.first].z);
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
int figuresInTheWay(float fromX, float ballZ, float vz, int sign)
{
    const float shotSpeed = 2.0f * static_cast<float>(kickSpeed);
    int count = 0;
    for (const Team* team : {&team1, &team2}) {
        for (const Figure& figure : team->figures) {
            const float ahead = sign * (figure.position.x - fromX);
            if (ahead <= boxHalfX)
                continue;
            const float z = foldIntoTable(ballZ + vz * ahead / shotSpeed);
            if (std::fabs(z - figure.position.z) < figure.sizeZ + ball.radius)
                ++count;
        }
    }
    return count;
}

// Figure z relative to the ball for the hit that sends the ball past the
// figures in its way and nearest the middle of the far goal: the middle of
// the foot keeps the ball's z speed, an edge gives it the kick speed across.
float aimOffset(float rodX, float ballZ, int sign)
{
    const float kick = static_cast<float>(kickSpeed);
    const float flight = std::fabs(sign * table.length / 2.0f - rodX) / (2.0f * kick);
    const float hits[3][2] = {{0.0f, velocityZ()}, {edgeOffset, -kick}, {-edgeOffset, kick}};
    float best = 0.0f;
    float bestCost = 1e9f;
    for (const auto& hit : hits) {
        const float cost = std::fabs(foldIntoTable(ballZ + hit[1] * flight)) +
                           blockedShotCost * static_cast<float>(figuresInTheWay(rodX, ballZ, hit[1], sign));
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
    float& oldest = computer.changeTimes[computer.nextChange];
    if (computer.clock - oldest < changeWindow)
        return false;
    oldest = computer.clock;
    computer.nextChange = (computer.nextChange + 1) % maxChangesPerSecond;
    return true;
}

RodControl slideControl(const ComputerPlayer& computer, int slot, int value)
{
    return {computer.player, slot, RodAction::Slide, value};
}

RodControl kickControl(const ComputerPlayer& computer, int slot)
{
    return {computer.player, slot, RodAction::Swing, computer.player == 1 ? SwingRising : SwingFalling};
}

void releaseSlide(ComputerPlayer& computer, int slot)
{
    if (computer.slideHeld[slot] == SlideStill || !takeChange(computer))
        return;
    releaseRodControl(slideControl(computer, slot, computer.slideHeld[slot]));
    computer.slideHeld[slot] = SlideStill;
}

void releaseKick(ComputerPlayer& computer, int slot)
{
    if (!computer.kickHeld[slot] || !takeChange(computer))
        return;
    releaseRodControl(kickControl(computer, slot));
    computer.kickHeld[slot] = false;
}

// After the pair changed under it, the computer takes stock of what the new
// pair's rods are doing, as a person sees their figures move.
void takeStockOfPair(ComputerPlayer& computer)
{
    const int pair = game.activePair[computer.player - 1];
    computer.heldPair = pair;
    for (int slot = 0; slot < 2; ++slot) {
        const RodView rod = viewRod(computer.player, pair * 2 + (slot == 1 ? 0 : 1));
        const Figure& figure = teamOf(computer.player).figures[rod.first];
        computer.slideHeld[slot] = figure.slideState;
        computer.slideUntil[slot] = computer.clock;
        computer.kickHeld[slot] = figure.swingState != SwingReturn;
        computer.kickSince[slot] = computer.clock - kickHold;
        computer.kickAt[slot] = -1.0f;
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
    const int direction = distance > 0.0f ? SlidePlusZ : SlideMinusZ;
    if (computer.slideHeld[slot] != direction) {
        if (!takeChange(computer))
            return;
        pressRodControl(slideControl(computer, slot, direction));
        computer.slideHeld[slot] = direction;
    }
    computer.slideUntil[slot] = computer.clock + std::fabs(distance) / slideRate;
}

int rodOfSlot(int pair, int slot) { return pair * 2 + (slot == 1 ? 0 : 1); }

float swingSeconds() { return 45.0f / static_cast<float>(swingRate); }

// Plans a kick for the moment the ball will be halfway into the sweep of a
// figure of the rod: now for a ball already there, later for one still coming.
void planKick(ComputerPlayer& computer, const StrengthProfile& profile, int slot)
{
    computer.kickAt[slot] = -1.0f;
    if (game.state != StatePlay || computer.kickHeld[slot])
        return;
    const int sign = attackSign(computer.player);
    const RodView rod = viewRod(computer.player, rodOfSlot(computer.heldPair, slot));
    const float gap = sign * (ball.position.x - rod.x) - boxHalfX;
    const float closing = -sign * velocityX();
    // A slow ball on the rod's own line is met by swinging back and then
    // through it: the foot comes onto it from the front.
    const bool onRodLine = closing <= slowBall && gap < 0.0f && gap >= -2.0f * boxHalfX;
    if (gap < -boxHalfX / 2.0f && !onRodLine)
        return;
    const float ballZ = closing > 0.0f ? zWhereBallCrosses(rod.x)
                        : onRodLine  ? foldIntoTable(ball.position.z + velocityZ() * windUpSeconds)
                                     : ball.position.z;
    const Figure* figures = teamOf(computer.player).figures;
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
    if (delay < profile.reaction) {
        computer.kickAt[slot] = computer.clock + (delay > 0.0f ? delay : 0.0f);
        computer.windUp[slot] = onRodLine;
    }
}

void pressSwing(ComputerPlayer& computer, int slot, bool back)
{
    RodControl control = kickControl(computer, slot);
    if (back)
        control.value = control.value == SwingRising ? SwingFalling : SwingRising;
    pressRodControl(control);
    computer.kickHeld[slot] = true;
    computer.kickSince[slot] = computer.clock;
}

// Planned kicks go off and held ones end, frame by frame.
void runKicks(ComputerPlayer& computer)
{
    for (int slot = 0; slot < 2; ++slot) {
        const float held = computer.clock - computer.kickSince[slot];
        if (computer.kickHeld[slot] && computer.windUp[slot]) {
            if (held >= windUpSeconds && takeChange(computer)) {
                pressSwing(computer, slot, false);
                computer.windUp[slot] = false;
            }
        } else if (computer.kickHeld[slot]) {
            if (held >= kickHold)
                releaseKick(computer, slot);
        } else if (computer.kickAt[slot] >= 0.0f && computer.clock >= computer.kickAt[slot] && takeChange(computer)) {
            pressSwing(computer, slot, computer.windUp[slot]);
            computer.kickAt[slot] = -1.0f;
        }
    }
}

void decideSlide(ComputerPlayer& computer, const StrengthProfile& profile, int slot)
{
    const int sign = attackSign(computer.player);
    const LayoutEntry* layout = layoutOf(computer.player);
    const RodView rod = viewRod(computer.player, rodOfSlot(computer.heldPair, slot));
    const float vx = velocityX();
    const bool coming = (rod.x - ball.position.x) * vx > 0.0f;
    const float ballZ = profile.predicts && coming ? zWhereBallCrosses(rod.x) : ball.position.z;
    float offset = rod.offset;
    if (game.state != StatePlay) {
        // Before the kick-off every rod lines up on the middle, where the ball starts.
        offset = offsetToMeet(rod, layout, 0.0f);
    } else if (profile.dodges && sign * (ball.position.x - rod.x) < 0.0f && sign * vx > 0.0f) {
        offset = offsetToDodge(rod, layout, ballZ);
    } else if (profile.guards && computer.heldPair == 0) {
        const float post = table.goalWidth / 2.0f + guardMargin;
        const bool goingAway = sign * vx > slowBall;
        const float z = goingAway ? ballZ * guardLean : std::fmax(-post, std::fmin(post, ballZ));
        offset = offsetToMeet(rod, layout, z);
    } else {
        const float aim = profile.aims ? aimOffset(rod.x, ballZ, sign) : 0.0f;
        offset = offsetToMeet(rod, layout, ballZ + aim + computer.aimError);
    }
    steerRod(computer, slot, offset - rod.offset);
}

// In manual rod choice the computer switches pairs itself, by the ball's half.
void choosePair(ComputerPlayer& computer)
{
    if (game.manualRodSelection == 0)
        return;
    const int wanted = attackSign(computer.player) * ball.position.x < -defensiveZone ? 0 : 1;
    if (wanted == game.activePair[computer.player - 1] || !takeChange(computer))
        return;
    switchPlayerPair(computer.player);
}

void decide(ComputerPlayer& computer)
{
    const StrengthProfile& profile = profileOf(computer.strength);
    computer.nextDecision = computer.clock + profile.reaction;
    if (ball.direction.x != computer.lastDirectionX) {
        computer.lastDirectionX = ball.direction.x;
        computer.aimError = randomSpread(computer.random, profile.aimSpread);
    }
    choosePair(computer);
    if (game.activePair[computer.player - 1] != computer.heldPair)
        takeStockOfPair(computer);
    // The rod nearer the ball goes first when changes run short.
    const float firstX = viewRod(computer.player, rodOfSlot(computer.heldPair, 1)).x;
    const float secondX = viewRod(computer.player, rodOfSlot(computer.heldPair, 0)).x;
    const int nearSlot = std::fabs(firstX - ball.position.x) <= std::fabs(secondX - ball.position.x) ? 1 : 0;
    for (int slot : {nearSlot, 1 - nearSlot})
        planKick(computer, profile, slot);
    for (int slot : {nearSlot, 1 - nearSlot})
        decideSlide(computer, profile, slot);
}

} // namespace

ComputerPlayer makeComputerPlayer(int player, int strength, uint32_t seed)
{
    ComputerPlayer computer;
    computer.player = player == 1 ? 1 : 2;
    computer.strength = strength;
    computer.random = seed != 0 ? seed : 1;
    for (float& time : computer.changeTimes)
        time = -changeWindow;
    return computer;
}

void stepComputerPlayer(ComputerPlayer& computer, float frameSeconds)
{
    if (frameSeconds > 0.0f)
        computer.clock += frameSeconds;
    if (game.activePair[computer.player - 1] != computer.heldPair)
        takeStockOfPair(computer);
    for (int slot = 0; slot < 2; ++slot)
        if (computer.slideHeld[slot] != SlideStill && computer.clock >= computer.slideUntil[slot])
            releaseSlide(computer, slot);
    if (computer.clock >= computer.nextDecision)
        decide(computer);
    runKicks(computer);
}

void releaseComputerControls(ComputerPlayer& computer)
{
    for (int slot = 0; slot < 2; ++slot) {
        if (computer.slideHeld[slot] != SlideStill)
            releaseRodControl(slideControl(computer, slot, computer.slideHeld[slot]));
        if (computer.kickHeld[slot])
            releaseRodControl(kickControl(computer, slot));
        computer.slideHeld[slot] = SlideStill;
        computer.kickHeld[slot] = false;
    }
}
