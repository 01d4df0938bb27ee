#pragma once

// Full screen for the current GLUT window. A window manager that offers the
// EWMH full-screen state is asked for it and restores the window afterwards;
// with none, the window itself is moved and sized to cover the screen and put
// back where it was on the way out. Needs a current context; false when there
// is no X display to work on.
bool enterFullScreen();
bool leaveFullScreen();
