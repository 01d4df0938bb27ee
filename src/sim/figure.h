#pragma once

#include "assets/vec3.h"
#include "sim/table_layout.h"

// Rods stop this far inside the side walls.
constexpr float rodSideMargin = 10.0f;

// Slide states of a figure's rod.
enum : int { SlideStill = 0, SlideMinusZ = 1, SlidePlusZ = 2 };
// Swing states: return to rest, angle rising (foot toward +x), angle falling.
enum : int { SwingReturn = 0, SwingRising = 1, SwingFalling = 2 };

// Result of the figure hit test; any other value means no contact.
enum Contact : int {
    MinusXCentre = 0,
    PlusXCentre = 1,
    MinusZSide = 2,
    PlusZSide = 3,
    MinusXLow = 4,
    PlusXLow = 5,
    MinusXHigh = 6,
    PlusXHigh = 7,
    NoContact = -1,
};

// How far a rod slides and a figure swings (degrees) in one tick.
float slideStepDistance();
float swingStepDegrees();
// How far one tick of swing moves the foot along x.
float swingStepOffset();

// One figure on a rod. Figures of one rod always get the same states.
struct Figure {
    Vec3 position{0.0f, 0.0f, 0.0f};
    Vec3 footPosition{0.0f, 0.0f, 0.0f};
    float height = 30.0f;
    float sizeZ = 12.0f;
    float sizeX = 8.0f;
    int slideState = SlideStill;
    int swingState = SwingReturn;
    int rod = RodGoalkeeper;
    float angle = 0.0f;
    // The hit box, as the latest hit test on this figure set it.
    float boxMaxX = 0.0f;
    float boxMinX = 0.0f;
    float boxMinZ = 0.0f;
    float boxMaxZ = 0.0f;
    // How far the foot moved along x in the latest swing step; the hit test
    // counts it as the ball's own motion toward or away from the figure.
    float footStepX = 0.0f;
    // The angle the current swing state began at: the table rules' shot power.
    float swingFrom = 0.0f;

    void place(int x, int y, int z, int rodIndex);
    // One tick of slide (share: of the full slide speed, a pad's stick) and of swing.
    void slideStep(float share = 1.0f);
    void swingStep();
    void returnStep();
    void resetSwing();
    Contact hitTest(const Vec3& step, const Vec3& previous);
};

// The eleven figures of one team, ordered by rod and, within a rod, by z.
struct Team {
    Figure figures[figuresPerTeam];
};

struct MatchState;

// The layout of team 0 (player 1) or 1 (player 2).
const LayoutEntry* layoutOfTeam(int teamIndex);

// Rod commands: pair 0 is goalkeeper (first) and defence, pair 1 midfield
// (first) and attack; first is 1 for the first rod of the pair, 0 for the second.
void setRodSlide(Team& team, const LayoutEntry* layout, int pair, int slideState, int first);
void setRodSwing(Team& team, const LayoutEntry* layout, int pair, int swingState, int first);

// Stops rods that have passed the side limits, unless they slide back inward.
void limitRods(Team& team, const LayoutEntry* layout);

// Places both teams at their layout places.
void placeTeams(MatchState& state);

// Automatic rod-pair choice from the ball's x; the pair not chosen is released
// as by switchActivePair.
void chooseActivePairs(MatchState& state);

// Switches the active pair of one team (0 team 1, 1 team 2), stopping the
// slides of the pair it leaves and returning its swings to rest.
void switchActivePair(MatchState& state, int teamIndex);
