#pragma once

// The game's own options: --opponent human|computer[=easy|normal|hard],
// --demo, --seed N and --replay FILE. GLUT's options (-display NAME, -geometry WxH+X+Y, -direct,
// -indirect, -iconic, -gldebug, -sync) are passed over for glutInit.
// Sets the game state's opponent and demo match; returns -1 to go on, or the
// exit status after --help (0), a usage message for a bad option (2) or a
// line on standard error for a replay file that cannot be played (1).
int readCommandLine(int argc, char** argv);

// True when the options name an X display of their own (-display NAME).
bool commandLineNamesDisplay(int argc, char** argv);
