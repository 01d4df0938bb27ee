#pragma once

#include "assets/data_files.h"

constexpr int interfaceTextureCount = interfacePictureCount;

// Every picture outside the 3-D table: skybox faces, menu, credits and the
// overlays of a running match.
struct Interface {
    unsigned int InterfaceTextures[interfaceTextureCount] = {};
    int rodSelectionMode = 0;
    void* font = nullptr;
};

extern Interface gameInterface;

void loadInterfaceTextures();

// The same textures without holding up start-up: the title screen's pictures
// are uploaded at once, the others read on a worker thread and uploaded by
// uploadStreamedTextures as they arrive, or all at once by
// finishInterfaceTextures (which returns at once when all are in).
void startInterfaceTextures();
void uploadStreamedTextures();
void finishInterfaceTextures();
void setRodSelectionMode(int mode);

// 800 x 600 two-dimensional frame with the origin at the bottom left.
void beginOverlay2D();
void endOverlay2D();
void drawText(float x, float y, void* font, const char* text);

// Match overlays.
void drawScoreBoard(int goals1, int goals2);
// The bitmap font of the score board at the given window pixels per frame unit.
void* scoreBoardFont(float pixelsPerUnit);
void drawHelp();
struct ScreenRect;
// A short line of white text centred on the notice panel's tint.
void drawTextNotice(const ScreenRect& box, const char* text);
void drawMipmapNotice(int on);
void drawDisplayListNotice(int on);
void drawFilterNotice(int on);
void drawFrameRate(int framesPerSecond);
void drawResult(int player1Won);
// "Replay" in the top left corner while a goal plays again.
void drawReplayLabel();

// Full-screen pictures of the menu and credits states.
// opponent: player 2's side, GameState::opponent.
void drawMenu(int selection, int opponent);
void drawCreditsScreen();
// The rule set of the next match, in a line at the menu's foot.
void drawMenuRules(const char* rulesName);

// Six-sided box around the scene, centred at (cx, cy, cz) with size (sx, sy, sz).
void drawSkybox(float cx, float cy, float cz, float sx, float sy, float sz);
