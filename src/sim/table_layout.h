#pragma once

// The football table as the simulation knows it: its size, where each figure
// stands at the start, and the rates of the ball and the rods.

// Size of the playing field in table units; x runs along the table, z across.
constexpr float tableLength = 480.0f;
constexpr float tableWidth = 280.0f;
constexpr float tableWallHeight = 20.0f;
constexpr float tableGoalWidth = 78.0f;
constexpr float tableGoalHeight = 40.0f;

// Rod indices of a layout entry and a figure.
enum : int {
    RodGoalkeeper = 0,
    RodDefence = 1,
    RodMidfield = 2,
    RodAttack = 3,
};

constexpr int figuresPerTeam = 11;

// Placement of one figure: foot position and rod index.
struct LayoutEntry {
    int x;
    int y;
    int z;
    int rod;
};

extern const LayoutEntry layoutTeam1[figuresPerTeam];
extern const LayoutEntry layoutTeam2[figuresPerTeam];

// Shot speed unit (units per second), slide speed (units per second), swing
// speed (degrees per second).
constexpr int kickSpeed = 200;
constexpr float slideRate = 100.0f;
constexpr int swingRate = 800;
