#include "sim/figure.h"

#include "render/table.h"

#include <initializer_list>

Team team1;
Team team2;

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

// No key acts on a pair its player does not drive, so its rods stop sliding
// and its figures swing back to rest: none stays raised with no key on it.
void releasePair(Team& team, const LayoutEntry* layout, int pair)
{
    for (int first : {1, 0}) {
        setRodSlide(team, layout, pair, SlideStill, first);
        setRodSwing(team, layout, pair, SwingReturn, first);
    }
}

// Releases the pair that is being left and makes the other one active.
void makePairActive(Team& team, const LayoutEntry* layout, int& activePair, int pair)
{
    releasePair(team, layout, 1 - pair);
    activePair = pair;
}

} // namespace

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
        if (layout[i].rod == rod)
            team.figures[i].swingState = swingState;
}

void limitRods(Team& team, const LayoutEntry* layout)
{
    const float lowLimit = -table.width / 2.0f + rodSideMargin;
    const float highLimit = table.width / 2.0f - rodSideMargin;
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

void placeTeams()
{
    Team* teams[2] = {&team1, &team2};
    const LayoutEntry* layouts[2] = {layoutTeam1, layoutTeam2};
    for (int i = 0; i < figuresPerTeam; ++i) {
        for (int t = 0; t < 2; ++t) {
            const LayoutEntry& entry = layouts[t][i];
            Figure& figure = teams[t]->figures[i];
            figure.place(entry.x, entry.y, entry.z, entry.rod);
            figure.slideSpeed = slideRate;
            figure.swingSpeed = static_cast<float>(swingRate);
        }
    }
}

void chooseActivePairs(float ballX)
{
    // Pair 0 (goalkeeper and defence) takes over once the ball is deep in a team's own half.
    makePairActive(team1, layoutTeam1, game.activePair[0], ballX < -defensivePairThreshold ? 0 : 1);
    makePairActive(team2, layoutTeam2, game.activePair[1], ballX > defensivePairThreshold ? 0 : 1);
}

void switchActivePair(int teamIndex)
{
    if (teamIndex != 0 && teamIndex != 1)
        return;
    Team& team = teamIndex == 0 ? team1 : team2;
    const LayoutEntry* layout = teamIndex == 0 ? layoutTeam1 : layoutTeam2;
    int& activePair = game.activePair[teamIndex];
    makePairActive(team, layout, activePair, activePair == 0 ? 1 : 0);
}
