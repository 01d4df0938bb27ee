#pragma once

#include "assets/vec3.h"

#include <cstdint>

// Game state codes (GameState::state).
enum : int {
    StateKickOff = 0,
    StatePlay = 1,
    StateGoal = 2,
    StateMenu = 3,
    StateCredits = 4,
    StateResult = 5,
    StateSettings = 6,
};

// A match that stands still: paused with P (or a pad's Start), or asking
// whether to leave after Esc.
enum class MatchPause { None, Paused, LeaveQuestion };

// Camera mode codes (GameState::cameraMode).
enum : int {
    CameraFollow = 0,
    CameraOverview = 1,
    CameraClose = 2,
    CameraIntro = 3,
};

// Demo match codes (GameState::demoMatch): the computer plays both teams.
enum : int {
    DemoOff = 0,
    DemoCommandLine = 1, // asked for with --demo; Esc leaves it
    DemoAttract = 2,     // after a minute without input in the menu; any key leaves it
};

// Rod indices of a layout entry and a figure.
enum : int {
    RodGoalkeeper = 0,
    RodDefence = 1,
    RodMidfield = 2,
    RodAttack = 3,
};

constexpr int figuresPerTeam = 11;

// Every program-wide value the game's behaviour hangs on.
struct GameState {
    // Match
    int state = StateMenu;
    int goalsToWin = 5;
    int goals1 = 0;
    int goals2 = 0;
    float stalledSeconds = 0.0f; // how long the ball in play has looked stopped
    MatchPause pause = MatchPause::None;
    float matchSeconds = 0.0f; // time the ball has been in play this match
    int shots[2] = {0, 0};     // shots at goal, team 1's and team 2's

    // Rod control: activePair[0] is team 1's, activePair[1] team 2's.
    int activePair[2] = {1, 1};
    int manualRodSelection = 0;

    // Menu and scene
    int menuSelection = 0;
    // Player 2's side: a second person (0) or the computer's strength (1 to 3).
    int opponent = 0;
    int demoMatch = DemoOff;
    uint32_t menuIdleSince = 0; // millisecond clock at the last menu input; 0 before the first menu frame
    bool sceneReady = false;
    unsigned int arrowList = 0; // GL display list names
    unsigned int figureList = 0;
    float arrowAngleTeam1 = 0.0f;
    float arrowAngleTeam2 = 0.0f;

    // Display switches and overlays
    bool useDisplayLists = true;
    bool mipmapsOn = true;
    bool trilinearOn = true;
    int polygonFill = 1;
    int fullScreen = 0;
    bool showHelp = false;
    bool showFrameRate = false;
    bool showMipmapNotice = false;
    bool showDisplayListNotice = false;
    bool showFilterNotice = false;
    int noticeUntil = 0;
    int nowSeconds = 0;

    // Timing
    float fps = 0.0f;
    float framesThisSecond = 0.0f;
    float lastRateTime = 0.0f;
    float lastPlayFrameTime = 0.0f;
    bool timingRunning = false; // the previous frame was a play frame
    bool rateSettled = false;   // fps comes from a whole counted window
    bool untimedFrame = false;  // first play frame of a stretch: no interval known yet

    // Camera and view
    int cameraMode = CameraIntro;
    double eye[3] = {0.0, 800.0, 1.0};
    double center[3] = {0.0, 150.0, -250.0};
    double up[3] = {0.0, 1.0, 0.0};
    float viewPitch = 10.0f;
    float viewYaw = 0.0f;
    int dragMode = -1;
    int lastMouseX = 0;
    int lastMouseY = 0;
};

// Placement of one figure: foot position and rod index.
struct LayoutEntry {
    int x;
    int y;
    int z;
    int rod;
};

extern GameState game;

extern const LayoutEntry layoutTeam1[figuresPerTeam];
extern const LayoutEntry layoutTeam2[figuresPerTeam];

// Ball snapshots around the latest step, read by the figure hit test.
extern Vec3 previousPosition;
extern Vec3 stepPosition;

// Shot speed unit, slide speed (units per second), swing speed (degrees per second).
extern int kickSpeed;
extern float slideRate;
extern int swingRate;

// Camera values of a start from the menu.
constexpr double initialEye[3] = {0.0, 800.0, 1.0};
constexpr double initialCenter[3] = {0.0, 150.0, -250.0};
constexpr double initialUp[3] = {0.0, 1.0, 0.0};
