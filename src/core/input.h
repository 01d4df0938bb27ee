#pragma once

// Characters of Esc and Enter, which a gamepad's Back and Start also send.
constexpr unsigned char keyEscape = 27;
constexpr unsigned char keyEnter = 13;
// Pauses and resumes a match; a pad's Start sends it while the ball is in play.
constexpr unsigned char keyPause = 'p';

// GLUT input callbacks. They only change state; the next frame acts on it.
void onKeyDown(unsigned char key, int x, int y);
void onKeyUp(unsigned char key, int x, int y);
void onSpecialKey(int code, int x, int y);
void onSpecialKeyUp(int code, int x, int y);
void onMouseButton(int button, int buttonState, int x, int y);
void onMouseMotion(int x, int y);

// Menu-state handlers that onKeyDown and onSpecialKey hand over to.
void onMenuKey(unsigned char key);
void onMenuSpecialKey(int code);

// F10: alternates between full screen and the window the game had before.
void toggleFullScreen();
