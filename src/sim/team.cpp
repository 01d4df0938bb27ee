#include "sim/figure.h"
#include "sim/match_state.h"

#include <initializer_list>

namespace {

// Ball x beyond which a team's defensive pair takes over.
constexpr float defensivePairThreshold = 70.0f;

// Rod index of the first (1) or second (0) rod of a pair; out-of-range pairs
// give an index that matches no figure.
int rodOfPair(int pair, int first)
{
    if (pair != 0 && pair != 1)
        return -1;
    return pair * 2 + (first ? 0 : 1);
}

// The outermost figures of a rod in the layout: first and last array index.
void rodEnds(const LayoutEntry* layout, int rod, int& firstIndex, int& lastIndex)
{
    firstIndex = -1;
    lastIndex = -1;
    for (int i = 0; i < figuresPerTeam; ++i) {
        if (layout[i].rod != rod)
            continue;
        if (firstIndex < 0)
            firstIndex = i;
        lastIndex = i;
    }
}

// No input acts on a pair its player does not drive, so its rods stop sliding
// and its figures swing back to rest: none stays raised with nothing on it.
void releasePair(Team& team, const LayoutEntry* layout, int pair)
{
    for (int first : {1, 0}) {
        setRodSlide(team, layout, pair, SlideStill, first);
        setRodSwing(team, layout, pair, SwingReturn, first);
    }
}

// Releases the pair that is being left and makes the other one active.
void makePairActive(MatchState& state, int teamIndex, int pair)
{
    releasePair(state.teams[teamIndex], layoutOfTeam(teamIndex), 1 - pair);
    state.activePair[teamIndex] = pair;
}

} // namespace

const LayoutEntry* layoutOfTeam(int teamIndex) { return teamIndex == 0 ? layoutTeam1 : layoutTeam2; }

void setRodSlide(Team& team, const LayoutEntry* layout, int pair, int slideState, int first)
{
    const int rod = rodOfPair(pair, first);
    for (int i = 0; i < figuresPerTeam; ++i)
        if (layout[i].rod == rod)
            team.figures[i].slideState = slideState;
}

void setRodSwing(Team& team, const LayoutEntry* layout, int pair, int swingState, int first)
{
    const int rod = rodOfPair(pair, first);
    for (int i = 0; i < figuresPerTeam; ++i)
        if (layout[i].rod == rod && team.figures[i].swingState != swingState) {
            team.figures[i].swingState = swingState;
            team.figures[i].swingFrom = team.figures[i].angle;
        }
}

void limitRods(Team& team, const LayoutEntry* layout)
{
    const float lowLimit = -tableWidth / 2.0f + rodSideMargin;
    const float highLimit = tableWidth / 2.0f - rodSideMargin;
    for (int i = 0; i < figuresPerTeam; ++i) {
        int firstIndex = 0;
        int lastIndex = 0;
        rodEnds(layout, layout[i].rod, firstIndex, lastIndex);
        Figure& figure = team.figures[i];
        if (team.figures[firstIndex].position.z < lowLimit && figure.slideState != SlidePlusZ)
            figure.slideState = SlideStill;
        if (team.figures[lastIndex].position.z > highLimit && figure.slideState != SlideMinusZ)
            figure.slideState = SlideStill;
    }
}

void placeTeams(MatchState& state)
{
    for (int t = 0; t < 2; ++t) {
        state.teams[t] = Team{};
        for (int i = 0; i < figuresPerTeam; ++i) {
            const LayoutEntry& entry = layoutOfTeam(t)[i];
            state.teams[t].figures[i].place(entry.x, entry.y, entry.z, entry.rod);
        }
    }
}

void chooseActivePairs(MatchState& state)
{
    // Pair 0 (goalkeeper and defence) takes over once the ball is deep in a
    // team's own half. A goal's ball parked at the -x end is not in play: both
    // midfields stay in hand for the kick-off.
    const float ballX = state.phase == MatchPhase::Goal ? 0.0f : state.ball.position.x;
    makePairActive(state, 0, ballX < -defensivePairThreshold ? 0 : 1);
    makePairActive(state, 1, ballX > defensivePairThreshold ? 0 : 1);
}

void switchActivePair(MatchState& state, int teamIndex)
{
    if (teamIndex != 0 && teamIndex != 1)
        return;
    makePairActive(state, teamIndex, state.activePair[teamIndex] == 0 ? 1 : 0);
}
