#pragma once

// Opens the game's window on the named display (null: DISPLAY's) and makes
// its context current; glutInit must have run, and the size and place are
// GLUT's, so -geometry holds. Where the display renders in software the
// window has no multisampling, which would cost such a machine half its frame
// rate; currentRenderMode() says which it got.
void openGameWindow(const char* displayName);

// The window size and place used when the command line names none.
constexpr int defaultWindowWidth = 800;
constexpr int defaultWindowHeight = 600;
constexpr int defaultWindowX = 100;
constexpr int defaultWindowY = 100;
