#include "sim/match_engine.h"

#include "sim/contacts.h"
#include "sim/match_rules.h"
#include "sim/table_play.h"

#include <cstring>

namespace {

int slideStateOf(int8_t slide) { return slide < 0 ? SlideMinusZ : slide > 0 ? SlidePlusZ : SlideStill; }

int swingStateOf(int8_t kick) { return kick > 0 ? SwingRising : kick < 0 ? SwingFalling : SwingReturn; }

// The record's rods act on the player's active pair; the other pair was
// released when it stopped being active.
void applyRecord(MatchState& state, int teamIndex, const InputRecord& input)
{
    Team& team = state.teams[teamIndex];
    const LayoutEntry* layout = layoutOfTeam(teamIndex);
    const int pair = state.activePair[teamIndex];
    for (int slot = 0; slot < 2; ++slot) {
        const int first = slot == 0 ? 1 : 0;
        setRodSlide(team, layout, pair, slideStateOf(input.slide[slot]), first);
        setRodSwing(team, layout, pair, swingStateOf(input.kick[slot]), first);
    }
}

void stepBall(MatchState& state, BallStep& path, MatchEvents& events)
{
    path.previous = state.ball.position;
    state.ball.step();
    if (tableRules(state.settings))
        rollTableBall(state.ball);
    path.step = state.ball.position;
    checkBounds(state, events);
}

// Figure of team (1 or 2) under the player's record: a pad's stick and
// trigger on the active pair's rods set the slide speed and the strike's power.
void stepFigure(MatchState& state, Figure& figure, int team, const InputRecord& input, const BallStep& path,
    MatchEvents& events)
{
    const bool active = figure.rod / 2 == state.activePair[team - 1];
    const int slot = figure.rod % 2;
    figure.slideStep(active ? analogShare(input.slideSlack[slot]) : 1.0f);
    figure.swingStep();
    // Figures meet the ball only while it is in play, not where it waits
    // before a kick-off or was parked by a goal earlier in this tick.
    if (state.phase == MatchPhase::InPlay)
        figureContact(state, figure, team, path, events, active ? analogShare(input.kickSlack[slot]) : 1.0f);
}

} // namespace

void startMatch(MatchState& state, uint64_t seed, const MatchSettings& settings)
{
    state = MatchState{};
    state.settings = settings;
    state.random.seed(seed);
    // The first kick-off goes to a side drawn from the seed; later ones to the side that conceded.
    state.server = 1 + static_cast<int>(state.random.nextU32() % 2u);
    placeTeams(state);
    state.ball.speedX = static_cast<float>(kickSpeed);
    state.ball.speedZ = static_cast<float>(kickSpeed);
    state.ball.clear();
}

MatchEvents stepMatch(MatchState& state, const InputRecord (&inputs)[2])
{
    MatchEvents events;
    for (int p = 0; p < 2; ++p)
        if (inputs[p].switchPair)
            switchActivePair(state, p);
    for (int p = 0; p < 2; ++p)
        applyRecord(state, p, inputs[p]);
    for (int p = 0; p < 2; ++p)
        if (inputs[p].enter && !state.previousInputs[p].enter)
            requestKickOff(state, events);

    if (state.phase == MatchPhase::KickOffPending || state.phase == MatchPhase::Goal)
        state.ball.clear();
    BallStep path{state.ball.position, state.ball.position};
    if (state.phase == MatchPhase::InPlay)
        stepBall(state, path, events);
    limitRods(state.teams[0], layoutTeam1);
    limitRods(state.teams[1], layoutTeam2);
    for (int i = 0; i < figuresPerTeam; ++i) {
        stepFigure(state, state.teams[0].figures[i], 1, inputs[0], path, events);
        stepFigure(state, state.teams[1].figures[i], 2, inputs[1], path, events);
    }
    if (state.phase == MatchPhase::InPlay) {
        if (tableRules(state.settings))
            holdPinnedBall(state, events);
        keepBallOnTable(state.ball);
        watchForDeadBall(state, events);
    }
    checkMatchEnd(state, events);
    if (state.settings.manualRodSelection == 0)
        chooseActivePairs(state);

    state.previousInputs[0] = inputs[0];
    state.previousInputs[1] = inputs[1];
    ++state.tick;
    return events;
}

namespace {

// FNV-1a over the fields one by one; floats by their bit patterns.
struct StateHash {
    uint64_t value = 0xCBF29CE484222325ull;

    void bytes(const void* data, size_t size)
    {
        const unsigned char* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) {
            value ^= p[i];
            value *= 0x100000001B3ull;
        }
    }
    void add(float f)
    {
        uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        bytes(&bits, sizeof bits);
    }
    void add(int i) { add64(static_cast<uint64_t>(static_cast<int64_t>(i))); }
    void add64(uint64_t v) { bytes(&v, sizeof v); }
    void add(const Vec3& v)
    {
        add(v.x);
        add(v.y);
        add(v.z);
    }
    void add(const Figure& f)
    {
        add(f.position);
        add(f.footPosition);
        add(f.height);
        add(f.sizeZ);
        add(f.sizeX);
        add(f.slideState);
        add(f.swingState);
        add(f.rod);
        add(f.angle);
        add(f.boxMaxX);
        add(f.boxMinX);
        add(f.boxMinZ);
        add(f.boxMaxZ);
        add(f.footStepX);
        add(f.swingFrom);
    }
    void add(const InputRecord& r)
    {
        for (int i = 0; i < 2; ++i) {
            add(static_cast<int>(r.slide[i]));
            add(static_cast<int>(r.kick[i]));
        }
        add(r.switchPair ? 1 : 0);
        add(r.enter ? 1 : 0);
        // A pad's slacks count only where a pad gave them, so keys, the
        // computer and old records hash as they always have.
        if (r.slideSlack[0] || r.slideSlack[1] || r.kickSlack[0] || r.kickSlack[1])
            for (int i = 0; i < 2; ++i) {
                add(static_cast<int>(r.slideSlack[i]));
                add(static_cast<int>(r.kickSlack[i]));
            }
    }
};

} // namespace

uint64_t hashMatchState(const MatchState& state)
{
    StateHash h;
    h.add(state.settings.goalsToWin);
    h.add(state.settings.manualRodSelection);
    h.add(state.settings.rules);
    h.add(static_cast<int>(state.phase));
    const Ball& ball = state.ball;
    h.add(ball.position);
    h.add(ball.direction);
    h.add(ball.radius);
    h.add(ball.speedX);
    h.add(ball.speedZ);
    h.add(ball.rollX);
    h.add(ball.rollZ);
    for (const Team& team : state.teams)
        for (const Figure& figure : team.figures)
            h.add(figure);
    for (int p = 0; p < 2; ++p) {
        h.add(state.activePair[p]);
        h.add(state.goals[p]);
        h.add(state.previousInputs[p]);
    }
    h.add(state.winner);
    h.add(state.server);
    h.add(state.lastTouchTeam);
    h.add(state.lastTouchRod);
    h.add(state.lastTouchRodX);
    const DeadBallWatch& watch = state.deadBall;
    h.add(watch.untouchedTicks);
    h.add(watch.stillTicks);
    h.add(watch.stillAnchor);
    h.add(watch.cornerTicks);
    h.add(watch.holdTicks);
    h.add(state.pin.team);
    h.add(state.pin.figure);
    h.add(state.pin.offsetZ);
    h.add64(state.random.state);
    h.add64(state.tick);
    return h.value;
}
