#include "ai/computer_player.h"

#include "ai/shot_aim.h"
#include "sim/match_engine.h"
#include "sim/match_rules.h"
#include "sim/table_layout.h"
#include "sim/table_play.h"

#include <cmath>
#include <algorithm>
#include <initializer_list>

namespace {

// Ticks the computer gives the other side after the match starts before it
// kicks off (at least three seconds, plus a little of its own), and waits
// at a later kick-off or at a ball that looks stopped (sooner than the
// game's own push).
constexpr int firstKickOffWait = 3 * ticksPerSecond;
constexpr int firstKickOffExtra = ticksPerSecond;
constexpr int kickOffWait = 2 * ticksPerSecond;
// The other side's serve is theirs to take: the computer starts it only when
// they have let it lie this long, so a match against an absent player ends.
constexpr int otherServeWait = 10 * ticksPerSecond;
constexpr int stalledWait = ticksPerSecond / 2; // and three looks more

// Ball x beyond which manual rod choice takes the defensive pair, as the
// automatic choice does.
constexpr float defensiveZone = 70.0f;
// A kick meets the ball halfway through the foot's swing to the limit, which
// carries the front of its hit box about kickSweep units toward the ball.
constexpr float kickSweep = 12.0f;
constexpr int kickHold = 9;
// A kick held over a ball behind the foot is let go after this long anyway.
constexpr int longestKickHold = 3 * ticksPerSecond;
// A back swing held this long reaches its limit before the kick through.
constexpr int windUpTicks = 6;
constexpr float windUpSeconds = static_cast<float>(windUpTicks) / ticksPerSecond;
// Half the x size of a figure's hit box.
constexpr float boxHalfX = 10.0f;
// How far behind its rod a back swing reaches: the foot's travel, its box,
// and the way a ball rolls meanwhile.
constexpr float backSwingReach = 17.0f + boxHalfX + 4.0f;
// Slides shorter than this are not worth a key press.
constexpr float slideDeadband = 2.0f;
// Room between a dodging figure and the ball: half a figure, the ball, a little air.
constexpr float dodgeGap = 20.0f;
// Longest look ahead along the ball's path, in seconds.
constexpr float predictionHorizon = 1.5f;
// A guarding goalkeeper pair meets a coming ball no farther out than the
// posts plus this margin.
constexpr float guardMargin = 6.0f;
// A ball slower than this along x (units per second) is kicked where it lies
// once the foot's sweep reaches it, and is met by the goalkeeper pair.
constexpr float slowBall = 20.0f;
// How far a blunder throws its aim (table units) and its kick (seconds) either side.
constexpr float blunderAim = 20.0f;
constexpr float blunderTiming = 0.15f;
// Table rules' aimed shots: a ball lying still enough (units per second)
// between nearestAimed and strikeReach in front of a rod is struck by a full
// swing; a ball coming slower than catchBall from within catchFrom is
// caught at the back stop first. An aim is given up after longestAim.
constexpr float stillBall = 60.0f;
constexpr float catchBall = 220.0f;
constexpr float nearestAimed = 4.0f;
// The foot's full sweep reaches a ball's middle about this far in front of the rod.
constexpr float strikeReach = 30.0f;
constexpr float catchFrom = 70.0f;
constexpr int longestAim = ticksPerSecond * 6 / 5;
// The share of its aim error in foot units a strength keeps under the table rules.
constexpr float tableHand = 0.3f;
// After the ball has looked still this long, a serve may come.
constexpr int serveExpected = 2 * ticksPerSecond;
// Table rules: a ball pinned under a toe is carried at most this far across
// (half a second of slide) to where its shot is clearest, and let go after
// longestCarry at the latest.
constexpr float carryReach = 50.0f;
constexpr int longestCarry = ticksPerSecond;
// After letting go it gives the ball this long to look still before it swings.
constexpr int settleTicks = ticksPerSecond / 6;
// How far behind a goalkeeper-pair rod a ball rolling out is met by a raised figure.
constexpr float comingOutReach = 60.0f;
// Changes a second the rod farther from the ball leaves to the nearer one.
constexpr int farRodReserve = 3;
// One second, the window of the change limit.
constexpr int changeWindow = ticksPerSecond;

// The computer player and the match it looks at, for one tick: the ball's
// place, and its velocity as the computer read it at its last look.
struct Look {
    ComputerPlayer& computer;
    const MatchState& state;
    const Vec3& ball;
    float vx;
    float vz;
};

int attackSign(int player) { return player == 1 ? 1 : -1; }
const Team& teamOf(const Look& look) { return look.state.teams[look.computer.player - 1]; }
const LayoutEntry* layoutOf(int player) { return layoutOfTeam(player - 1); }
int activePairOf(const Look& look) { return look.state.activePair[look.computer.player - 1]; }
float ballRadius(const Look& look) { return look.state.ball.radius; }

// The ball's z where it will cross x, looking at most predictionHorizon ahead.
float zWhereBallCrosses(const Look& look, float x)
{
    if (look.vx == 0.0f)
        return look.ball.z;
    float t = (x - look.ball.x) / look.vx;
    if (t < 0.0f)
        return look.ball.z;
    if (t > predictionHorizon)
        t = predictionHorizon;
    return foldIntoTable(look.ball.z + look.vz * t, ballRadius(look));
}

// The ball's z when it comes back to x after the end wall behind x.
float zOnRebound(const Look& look, float x)
{
    const float speed = std::fabs(look.vx);
    if (speed < slowBall)
        return look.ball.z;
    const float endX = look.vx > 0.0f ? tableLength / 2.0f : -tableLength / 2.0f;
    const float t = (std::fabs(endX - look.ball.x) + std::fabs(endX - x)) / speed;
    return foldIntoTable(look.ball.z + look.vz * std::fmin(t, predictionHorizon), ballRadius(look));
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

// Takes one of the ten changes of the last second; false when they are used up.
// reserve: changes to leave untaken for the rod nearer the ball.
bool takeChange(ComputerPlayer& computer, int reserve = 0)
{
    int used = 0;
    for (int time : computer.changeTimes)
        used += computer.clock - time < changeWindow;
    if (used + reserve >= maxChangesPerSecond)
        return false;
    int& oldest = computer.changeTimes[computer.nextChange];
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
        computer.aimedHold[slot] = false;
    }
}

// Whether the ball lies pinned under the toe of a figure of the slot's rod,
// as a person sees their figure hold it.
bool pinnedBy(const Look& look, int slot)
{
    const Pin& pin = look.state.pin;
    return pin.team == look.computer.player &&
           teamOf(look).figures[pin.figure].rod == rodOfSlot(look.computer.heldPair, slot);
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
        // The rod farther from the ball leaves a few changes for the nearer
        // one's kicks, which count more; not in the goalkeeper pair, where
        // the goalkeeper behind is the last to stop a ball the defence misses.
        const bool leaves = slot != computer.nearSlot && computer.heldPair != 0 && computer.skill.aims;
        if (!takeChange(computer, leaves ? farRodReserve : 0))
            return;
        computer.slideHeld[slot] = direction;
    }
    computer.slideUntil[slot] = computer.clock + static_cast<int>(std::ceil(std::fabs(distance) / slideStepDistance()));
}

float swingSeconds() { return 45.0f / static_cast<float>(swingRate); }

// How far a figure's foot stands forward of its rod (toward the far goal).
float footForward(const Figure& figure, int sign) { return sign * (figure.footPosition.x - figure.position.x); }

// Whether the ball lies where a foot of the rod returning to rest would
// strike it toward its own goal: from reachBehind behind the rod (a back
// swing reaches farther) to reachAhead in front of the foot.
bool ballBehindFoot(const Look& look, int slot, float reachAhead, float reachBehind = boxHalfX)
{
    const int sign = attackSign(look.computer.player);
    const RodView rod = viewRod(look, rodOfSlot(look.computer.heldPair, slot));
    const float radius = ballRadius(look);
    for (int i = rod.first; i < rod.first + rod.count; ++i) {
        const Figure& figure = teamOf(look).figures[i];
        const float ahead = sign * (look.ball.x - figure.position.x);
        const float foot = std::fmax(footForward(figure, sign), 0.0f);
        if (ahead > -(reachBehind + radius) && ahead < foot + reachAhead &&
            std::fabs(look.ball.z - figure.position.z) < figure.sizeZ + radius)
            return true;
    }
    return false;
}

// The computer's aim for a shot from the rod at rodX: its figure's z less the ball's.
float shotAim(const Look& look, float rodX, float ballZ, float vz)
{
    const int sign = attackSign(look.computer.player);
    return tableRules(look.state.settings) ? chooseTableShotOffset(look.state, rodX, ballZ, sign)
                                           : chooseShotOffset(look.state, rodX, ballZ, vz, sign);
}

float seenSpeed(const Look& look) { return std::sqrt(look.vx * look.vx + look.vz * look.vz); }

// Table rules: a slow ball coming to a rod, or lying in front of it, is
// caught and aimed. The figure goes to its back stop (which also catches a
// ball rolling in), the rod slides to the aimed hit, and a full swing goes
// through once it stands there.
bool planAimedShot(const Look& look, int slot)
{
    ComputerPlayer& computer = look.computer;
    if (!tableRules(look.state.settings))
        return false;
    const int sign = attackSign(computer.player);
    const RodView rod = viewRod(look, rodOfSlot(computer.heldPair, slot));
    const float ahead = sign * (look.ball.x - rod.x);
    const float closing = -sign * look.vx;
    const bool lying = ahead <= strikeReach && seenSpeed(look) < stillBall;
    const bool coming = ahead <= catchFrom && closing > 0.0f && seenSpeed(look) < catchBall;
    if (ahead < nearestAimed || !(lying || coming) || ballBehindFoot(look, slot, 2.0f, backSwingReach))
        return false;
    // The goalkeeper pair meets a coming ball with its figures down: a shot
    // struck meanwhile would pass under figures waiting raised at the back stop.
    if (coming && !lying && computer.heldPair == 0)
        return false;
    const float ballZ = coming ? zWhereBallCrosses(look, rod.x) : look.ball.z;
    const Figure* figures = teamOf(look).figures;
    float nearest = 1e9f;
    for (int i = rod.first; i < rod.first + rod.count; ++i)
        nearest = std::fmin(nearest, std::fabs(figures[i].position.z - ballZ));
    // A coming ball must meet a figure; a lying one the rod slides to.
    if (coming && !lying && nearest >= figures[rod.first].sizeZ)
        return false;
    if (static_cast<float>(computer.random.nextU32() % 1000u) >= computer.skill.control * 1000.0f)
        return false;
    computer.kickAt[slot] = computer.clock;
    computer.windUp[slot] = true;
    computer.aimedHold[slot] = true;
    return true;
}

// Whether the ball lies, slow, where the rod's full swing strikes it.
bool ballInSweep(const Look& look, int slot)
{
    const int sign = attackSign(look.computer.player);
    const RodView rod = viewRod(look, rodOfSlot(look.computer.heldPair, slot));
    const float ahead = sign * (look.ball.x - rod.x);
    float vx = 0.0f, vz = 0.0f;
    readBallVelocity(look.computer.sight, vx, vz);
    return ahead >= nearestAimed && ahead <= strikeReach && vx * vx + vz * vz < stillBall * stillBall;
}

// The held back swing of an aimed shot goes through: the ball lies in the
// sweep, slow, and the rod has reached its aimed place.
bool aimedShotReady(const Look& look, int slot)
{
    return ballInSweep(look, slot) && look.computer.slideHeld[slot] == 0;
}

// Whether the ball has left what an aimed shot waits for.
bool aimedShotLost(const Look& look, int slot)
{
    const int sign = attackSign(look.computer.player);
    const RodView rod = viewRod(look, rodOfSlot(look.computer.heldPair, slot));
    const float ahead = sign * (look.ball.x - rod.x);
    // A ball still rolling in meets the raised foot's box behind the rod
    // line; one coming too fast to catch would pass under the raised figure.
    const bool rollingIn = -sign * look.vx > 0.0f && ahead > -backSwingReach;
    return (ahead < nearestAimed && !rollingIn) || ahead > catchFrom || -sign * look.vx > catchBall;
}

// Whether a person would expect the serve: the ball has lain all but still
// for a while out of the computer's reach, and the other side touched it last.
bool awaitsServe(const Look& look)
{
    if (look.computer.stillFor < serveExpected || look.state.lastTouchTeam != 3 - look.computer.player)
        return false;
    for (const Figure& figure : teamOf(look).figures)
        if (std::fabs(look.ball.x - figure.position.x) < backSwingReach + ballRadius(look))
            return false;
    return true;
}

// Table rules: a serve is about to come to this side's midfield, which
// waits for it at the back stop and so catches it: its own kick-off, or a
// dead ball in the making that goes to it.
bool serveComing(const Look& look)
{
    if (!tableRules(look.state.settings) || look.computer.heldPair != 1)
        return false;
    const MatchPhase phase = look.state.phase;
    if (phase == MatchPhase::KickOffPending || phase == MatchPhase::Goal)
        return look.state.server == look.computer.player;
    return phase == MatchPhase::InPlay && awaitsServe(look);
}

// Table rules: a ball behind the goalkeeper pair that rolls out toward a
// figure of the rod (now, or after the end wall) would bounce off the
// figure's back into the goal. The figure is raised forward instead: a fast
// ball passes under it, a slow one is caught behind it and lies there until
// the rod has slid clear of it.
bool comingOutFromBehind(const Look& look, int slot)
{
    if (!tableRules(look.state.settings) || look.computer.heldPair != 0)
        return false;
    const int sign = attackSign(look.computer.player);
    const RodView rod = viewRod(look, rodOfSlot(0, slot));
    const float behind = sign * (rod.x - look.ball.x);
    if (behind <= 0.0f || behind > comingOutReach)
        return false;
    const float z = sign * look.vx > 0.0f ? zWhereBallCrosses(look, rod.x) : zOnRebound(look, rod.x);
    const Figure* figures = teamOf(look).figures;
    for (int i = rod.first; i < rod.first + rod.count; ++i)
        if (std::fabs(figures[i].position.z - z) < figures[i].sizeZ + ballRadius(look) + 2.0f)
            return true;
    return false;
}

// Plans a kick for the tick the ball will be halfway into the sweep of a
// figure of the rod: now for a ball already there, later for one still coming.
void planKick(const Look& look, int slot)
{
    ComputerPlayer& computer = look.computer;
    const ComputerSkill& skill = computer.skill;
    const Vec3& ball = look.ball;
    computer.kickAt[slot] = -1;
    if (computer.kickHeld[slot] == 0)
        computer.aimedHold[slot] = false; // an aimed shot given up before its back swing began
    if (slot == 0 && serveComing(look)) {
        if (computer.kickHeld[slot] == 0) {
            computer.kickAt[slot] = computer.clock;
            computer.windUp[slot] = computer.aimedHold[slot] = true;
        }
        return;
    }
    if (look.state.phase != MatchPhase::InPlay || computer.kickHeld[slot] != 0)
        return;
    if (comingOutFromBehind(look, slot)) {
        computer.kickAt[slot] = computer.clock;
        computer.windUp[slot] = false;
        return;
    }
    // A ball it has just let go of lies still while its eye still sees the
    // carry: it waits a moment for the aimed swing rather than tapping it,
    // which would only touch it back under the toe.
    if (computer.clock - computer.letGo[slot] < settleTicks)
        return;
    if (planAimedShot(look, slot))
        return;
    const int sign = attackSign(computer.player);
    const RodView rod = viewRod(look, rodOfSlot(computer.heldPair, slot));
    const float gap = sign * (ball.x - rod.x) - boxHalfX;
    const float closing = -sign * look.vx;
    // A slow ball just in front of the rod is met by swinging back and then
    // through it: the foot comes onto it from the front. A ball level with
    // the rod or behind it is never swung back into.
    // Under the table rules such a ball is caught and aimed instead.
    const bool onRodLine = !tableRules(look.state.settings) && std::fabs(look.vx) <= slowBall && gap < 0.0f &&
                           !ballBehindFoot(look, slot, 2.0f, backSwingReach);
    if (gap < -boxHalfX / 2.0f && !onRodLine)
        return;
    const float ballZ = closing > 0.0f ? zWhereBallCrosses(look, rod.x)
                        : onRodLine  ? foldIntoTable(ball.z + look.vz * windUpSeconds, ballRadius(look))
                                     : ball.z;
    const Figure* figures = teamOf(look).figures;
    float nearest = 1e9f;
    for (int i = rod.first; i < rod.first + rod.count; ++i)
        nearest = std::fmin(nearest, std::fabs(figures[i].position.z - ballZ));
    if (nearest >= figures[rod.first].sizeZ + 1.0f)
        return;
    float delay = 0.0f;
    // Only a strength that follows the ball's path times a kick for a ball
    // still on its way; the others swing at a ball once it is in reach.
    if (closing > slowBall && skill.predicts)
        delay = (gap - kickSweep / 2.0f) / closing - swingSeconds() / 2.0f;
    else if (gap > kickSweep)
        return;
    delay += randomSpread(computer.random, skill.timing + (computer.blunder ? blunderTiming : 0.0f));
    const int delayTicks = static_cast<int>(std::lround(delay * ticksPerSecond));
    if (delayTicks < skill.reaction) {
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

// Planned kicks go off and held ones end, tick by tick. A forward kick is
// held on while letting it go would swing the foot back into the ball.
void runKicks(const Look& look)
{
    ComputerPlayer& computer = look.computer;
    for (int slot = 0; slot < 2; ++slot) {
        const int held = computer.clock - computer.kickSince[slot];
        if (computer.kickHeld[slot] != 0 && computer.aimedHold[slot]) {
            // Waiting for a serve: the time to aim starts when it comes.
            if (slot == 0 && serveComing(look))
                computer.kickSince[slot] = computer.clock - windUpTicks;
            if (held < windUpTicks || (slot == 0 && serveComing(look)))
                continue;
            // Aimed or not, a ball held too long is struck before it goes dead.
            const bool due = held >= longestAim && ballInSweep(look, slot);
            if ((aimedShotReady(look, slot) || due) && takeChange(computer)) {
                pressSwing(computer, slot, false);
                computer.windUp[slot] = computer.aimedHold[slot] = false;
            } else if ((aimedShotLost(look, slot) || held >= longestAim) && takeChange(computer)) {
                computer.kickHeld[slot] = 0;
                computer.windUp[slot] = computer.aimedHold[slot] = false;
            }
        } else if (computer.kickHeld[slot] != 0 && computer.windUp[slot]) {
            if (held >= windUpTicks && takeChange(computer)) {
                pressSwing(computer, slot, false);
                computer.windUp[slot] = false;
            }
        } else if (computer.kickHeld[slot] != 0 && pinnedBy(look, slot)) {
            // A pinned ball is carried to its spot, then let go for the strike.
            const bool arrived =
                computer.slideHeld[slot] == 0 && std::fabs(look.ball.z - computer.carryTo[slot]) <= slideDeadband;
            if (computer.carrying[slot] && (arrived || computer.clock - computer.carrySince[slot] >= longestCarry)) {
                releaseKick(computer, slot);
                computer.letGo[slot] = computer.clock;
            }
        } else if (computer.kickHeld[slot] != 0) {
            const bool overBall = ballBehindFoot(look, slot, 2.0f) || comingOutFromBehind(look, slot);
            if (held >= kickHold && (held >= longestKickHold || !overBall))
                releaseKick(computer, slot);
        } else if (computer.kickAt[slot] >= 0 && computer.clock >= computer.kickAt[slot]) {
            // The ball may have rolled behind the foot since the back swing was planned.
            if (computer.windUp[slot] && ballBehindFoot(look, slot, 2.0f, backSwingReach))
                computer.kickAt[slot] = -1;
            else if (takeChange(computer)) {
                pressSwing(computer, slot, computer.windUp[slot]);
                computer.kickAt[slot] = -1;
            }
        }
    }
}

// Whether the ball lies slow in front of the rod, where a figure slid to it can strike it.
bool lyingInReach(const Look& look, const RodView& rod)
{
    const float ahead = attackSign(look.computer.player) * (look.ball.x - rod.x);
    return ahead >= nearestAimed && ahead <= strikeReach && seenSpeed(look) < 2.0f * slowBall;
}

// Whether the pair's rear rod (slot 0) has the ball, slow, in front of it
// to shoot: the rod ahead of it must keep out of the shot's way.
bool rearRodShoots(const Look& look)
{
    const RodView rear = viewRod(look, rodOfSlot(look.computer.heldPair, 0));
    return look.computer.aimedHold[0] || lyingInReach(look, rear);
}

// Where the rear rod's shot, as it aims it now, crosses x.
float rearShotZ(const Look& look, float x)
{
    const int sign = attackSign(look.computer.player);
    const RodView rear = viewRod(look, rodOfSlot(look.computer.heldPair, 0));
    const float aim = shotAim(look, rear.x, look.ball.z, look.vz);
    return shotPathZ(look.state, rear.x, look.ball.z, look.vz, aim, sign, x);
}

// Whether the ball, going toward the computer's own end, misses its goal mouth.
bool goesWide(const Look& look)
{
    const float endX = -attackSign(look.computer.player) * tableLength / 2.0f;
    return std::fabs(zWhereBallCrosses(look, endX)) > tableGoalWidth / 2.0f + ballRadius(look);
}

// A serve rolls to the receiving midfield's figure nearest the middle: a
// strength that aims has that figure wait where the serve, met there (under
// the table rules caught first), has the clearest shot; the others wait in the middle.
float serveSpot(const Look& look, const RodView& rod)
{
    if (!look.computer.skill.aims)
        return 0.0f;
    const int sign = attackSign(look.computer.player);
    const bool table = tableRules(look.state.settings);
    return chooseServeSpot(look.state, rod.x + (table ? sign * catchReach : 0.0f), sign);
}

void decideSlide(const Look& look, int slot)
{
    ComputerPlayer& computer = look.computer;
    const ComputerSkill& skill = computer.skill;
    const Vec3& ball = look.ball;
    const int sign = attackSign(computer.player);
    const LayoutEntry* layout = layoutOf(computer.player);
    const RodView rod = viewRod(look, rodOfSlot(computer.heldPair, slot));
    const bool coming = (rod.x - ball.x) * look.vx > 0.0f;
    const float ballZ = skill.predicts && coming ? zWhereBallCrosses(look, rod.x) : ball.z;
    const bool behind = sign * (ball.x - rod.x) < 0.0f;
    float offset = rod.offset;
    const bool midfield = rodOfSlot(computer.heldPair, slot) == RodMidfield;
    if (look.state.phase != MatchPhase::InPlay) {
        // Before the kick-off every rod lines up on the middle, where the
        // ball starts; a midfield the kick-off comes to waits at its spot.
        const bool served = midfield && look.state.server == computer.player;
        offset = offsetToMeet(rod, layout, served ? serveSpot(look, rod) : 0.0f);
    } else if (awaitsServe(look) && midfield) {
        offset = offsetToMeet(rod, layout, serveSpot(look, rod));
    } else if (computer.carrying[slot] && pinnedBy(look, slot)) {
        offset = clampOffset(rod, rod.offset + computer.carryTo[slot] - ball.z);
    } else if (computer.kickHeld[slot] != 0 && ballBehindFoot(look, slot, 2.0f)) {
        // A raised foot over a ball behind it slides clear before it comes down.
        offset = offsetToDodge(rod, layout, ball.z);
    } else if (computer.aimedHold[slot] && !behind) {
        // Waiting at the back stop: the rod goes to the aimed hit, or first
        // into the way of a ball still coming.
        const bool lying = lyingInReach(look, rod);
        const float aim = lying ? shotAim(look, rod.x, ball.z, 0.0f) : 0.0f;
        offset = offsetToMeet(rod, layout, (lying ? ball.z : zWhereBallCrosses(look, rod.x)) + aim + computer.aimError);
    } else if (behind && slot == 1 && rearRodShoots(look)) {
        // The rod behind is about to shoot: out of the path it aims along.
        offset = offsetToDodge(rod, layout, rearShotZ(look, rod.x));
    } else if (behind && (sign * look.vx > 0.0f || (slot == 1 && computer.heldPair == 1))) {
        // Out of the way of its own side's balls going forward; the attack
        // also keeps clear of any ball behind it: the midfield's to play.
        offset = offsetToDodge(rod, layout, ballZ);
    } else if (behind && computer.heldPair == 0 && skill.guards) {
        // A ball behind the goalkeeper pair comes back off the end wall.
        offset = offsetToDodge(rod, layout, zOnRebound(look, rod.x));
    } else if (skill.guards && computer.heldPair == 0 && sign * look.vx < -slowBall && goesWide(look)) {
        // A shot going wide of its goal comes back off the end wall: out of its way.
        offset = offsetToDodge(rod, layout, zOnRebound(look, rod.x));
    } else if (skill.guards && computer.heldPair == 0 && !lyingInReach(look, rod)) {
        const float post = tableGoalWidth / 2.0f + guardMargin;
        const bool goingAway = sign * look.vx > slowBall;
        // While the ball goes away the goalkeeper waits in the middle with a
        // defence figure either side of it: the three close the whole mouth to
        // a ball coming back (this pair stands still while the other plays).
        const float z = goingAway ? 0.0f : std::fmax(-post, std::fmin(post, ballZ));
        offset = goingAway ? clampOffset(rod, 0.0f) : offsetToMeet(rod, layout, z);
    } else {
        const float aim = skill.aims ? shotAim(look, rod.x, ballZ, look.vz) : 0.0f;
        offset = offsetToMeet(rod, layout, ballZ + aim + computer.aimError);
    }
    steerRod(computer, slot, offset - rod.offset);
}

// A ball the rod has just pinned: as often as its control allows, the
// computer carries it along the rod to where the shot is clearest; else it
// lets go where it is.
void planCarry(const Look& look, int slot)
{
    ComputerPlayer& computer = look.computer;
    if (!pinnedBy(look, slot)) {
        computer.carrying[slot] = false;
        return;
    }
    if (computer.carrying[slot])
        return;
    computer.carrying[slot] = true;
    computer.carrySince[slot] = computer.clock;
    computer.carryTo[slot] = look.ball.z;
    if (static_cast<float>(computer.random.nextU32() % 1000u) >= computer.skill.control * 1000.0f)
        return;
    const int sign = attackSign(computer.player);
    const RodView rod = viewRod(look, rodOfSlot(computer.heldPair, slot));
    const float edge = tableWidth / 2.0f - ballRadius(look);
    const float low = std::fmax(-edge, look.ball.z + std::fmax(-carryReach, rod.lowOffset - rod.offset));
    const float high = std::fmin(edge, look.ball.z + std::fmin(carryReach, rod.highOffset - rod.offset));
    computer.carryTo[slot] = chooseShotSpot(look.state, rod.x + sign * pinReach, look.ball.z, low, high, sign);
}

// In manual rod choice the computer switches pairs itself, by the ball's half.
void choosePair(const Look& look)
{
    if (look.state.settings.manualRodSelection == 0)
        return;
    const int wanted = attackSign(look.computer.player) * look.ball.x < -defensiveZone ? 0 : 1;
    if (wanted == activePairOf(look) || !takeChange(look.computer))
        return;
    look.computer.switchPair = true;
}

// One look at the table: it reads the ball's velocity from what it has
// seen (as wrong as its strength reads it), may blunder, and plans its rods.
void decide(Look& look)
{
    ComputerPlayer& computer = look.computer;
    const ComputerSkill& skill = computer.skill;
    computer.nextDecision = computer.clock + skill.reaction + static_cast<int>(computer.random.nextU32() % 3u) - 1;
    float vx = 0.0f, vz = 0.0f;
    readBallVelocity(computer.sight, vx, vz);
    computer.seenVX = vx * (1.0f + randomSpread(computer.random, skill.speedError));
    computer.seenVZ = vz * (1.0f + randomSpread(computer.random, skill.speedError));
    look.vx = computer.seenVX;
    look.vz = computer.seenVZ;
    computer.blunder = static_cast<float>(computer.random.nextU32() % 1000u) < skill.mistakes * 1000.0f;
    const int directionX = vx > slowBall ? 1 : vx < -slowBall ? -1 : 0;
    if (directionX != computer.lastDirectionX || computer.blunder) {
        computer.lastDirectionX = directionX;
        // Under the table rules every unit on the foot turns the shot, so the
        // same unsteadiness of hand strays fewer units.
        const float hand = tableRules(look.state.settings) ? tableHand : 1.0f;
        computer.aimError = randomSpread(computer.random, hand * (skill.aimSpread + (computer.blunder ? blunderAim : 0.0f)));
    }
    choosePair(look);
    // The rod nearer the ball goes first when changes run short.
    const float firstX = viewRod(look, rodOfSlot(computer.heldPair, 0)).x;
    const float secondX = viewRod(look, rodOfSlot(computer.heldPair, 1)).x;
    const int nearSlot = std::fabs(firstX - look.ball.x) <= std::fabs(secondX - look.ball.x) ? 0 : 1;
    computer.nearSlot = nearSlot;
    for (int slot : {nearSlot, 1 - nearSlot})
        planCarry(look, slot);
    for (int slot : {nearSlot, 1 - nearSlot})
        planKick(look, slot);
    for (int slot : {nearSlot, 1 - nearSlot})
        decideSlide(look, slot);
}

// Whether the ball looks all but still (twice as slow as slowBall): a dead ball in the making.
bool looksSlow(const ComputerPlayer& computer)
{
    float vx = 0.0f, vz = 0.0f;
    return readBallVelocity(computer.sight, vx, vz) && vx * vx + vz * vz < 4.0f * slowBall * slowBall;
}

// Whether the ball looks still to the computer: slower than a radius a second.
bool looksStopped(const ComputerPlayer& computer, const MatchState& state)
{
    float vx = 0.0f, vz = 0.0f;
    return readBallVelocity(computer.sight, vx, vz) && vx * vx + vz * vz < state.ball.radius * state.ball.radius;
}

// How long the computer waits in the current phase before it presses Enter; 0 for never.
int enterWait(const ComputerPlayer& computer, const MatchState& state)
{
    const bool ownServe = state.server == computer.player;
    switch (state.phase) {
    case MatchPhase::KickOffPending: return ownServe ? computer.kickOffWait : otherServeWait;
    case MatchPhase::Goal: return ownServe ? kickOffWait : otherServeWait;
    // Under the table rules a ball the other side caught would only roll
    // back into its figure; it is left to the dead-ball serve, which comes to this side.
    // Nor does it push a ball it is about to strike from the back stop.
    case MatchPhase::InPlay:
        return looksStopped(computer, state) && !computer.aimedHold[0] && !computer.aimedHold[1] &&
                       !(tableRules(state.settings) && state.lastTouchTeam == 3 - computer.player)
                   ? stalledWait + 3 * computer.skill.reaction
                   : 0;
    default: return 0;
    }
}

bool enterDue(ComputerPlayer& computer, const MatchState& state)
{
    const int wait = enterWait(computer, state);
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
    computer.skill = drawComputerSkill(strength, computer.random);
    computer.kickOffWait = firstKickOffWait + static_cast<int>(computer.random.nextU32() % firstKickOffExtra);
    for (int& time : computer.changeTimes)
        time = -changeWindow;
    return computer;
}

InputRecord decideComputerInput(ComputerPlayer& computer, const MatchState& state)
{
    // Out of play the ball waits at the centre for the kick-off; a goal's
    // ball lies in the goal only for the tick it went in.
    const Vec3 centre{0.0f, 0.0f, 0.0f};
    Look look{computer, state, state.phase == MatchPhase::InPlay ? state.ball.position : centre, computer.seenVX,
        computer.seenVZ};
    ++computer.clock;
    computer.switchPair = false;
    const int seenBefore = computer.sight.count;
    watchBall(computer.sight, state);
    // A ball put back in play (a serve) is looked at at once, as a person's eye follows it.
    if (computer.sight.count < seenBefore)
        computer.nextDecision = std::min(computer.nextDecision, computer.clock + computer.skill.reaction / 2);
    computer.stillFor = looksSlow(computer) ? computer.stillFor + 1 : 0;
    if (activePairOf(look) != computer.heldPair) {
        takeStockOfPair(look);
        // The ball it was watching brought the new pair into play: it looks again soon.
        computer.nextDecision = std::min(computer.nextDecision, computer.clock + computer.skill.reaction / 2);
    }
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
