#pragma once

#include "sim/table_layout.h"

#include <cstdint>

// Screen codes (GameState::state). During a match the match flow sets the
// first three and the result from the match's phase after every frame's ticks.
enum : int {
    StateKickOff = 0,
    StatePlay = 1,
    StateGoal = 2,
    StateMenu = 3,
    StateCredits = 4,
    StateResult = 5,
};

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
    DemoReplay = 3,      // a recorded match played back (--replay); Esc leaves it
};

// Every program-wide value the game's behaviour hangs on.
struct GameState {
    int state = StateMenu;
    // Settings of the next match: rod selection by hand (1) or by the
    // engine (0), and the seed --seed fixed (negative: none).
    int manualRodSelection = 0;
    int64_t nextSeed = -1;
    int rules = 0; // the RuleSet of the next match: --rules, or R in the menu

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

    // Timing: fps is measured for the frame-rate box only.
    float fps = 0.0f;
    int framesThisWindow = 0;
    uint32_t windowStartMs = 0;
    uint32_t lastPlayFrameMs = 0;
    bool timingRunning = false; // the previous frame was a play frame

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

extern GameState game;

// Camera values of a start from the menu.
constexpr double initialEye[3] = {0.0, 800.0, 1.0};
constexpr double initialCenter[3] = {0.0, 150.0, -250.0};
constexpr double initialUp[3] = {0.0, 1.0, 0.0};
