#pragma once

// The game's own options: --opponent human|computer[=easy|normal|hard],
// --demo, --help and --version. GLUT's options (-display NAME, -geometry WxH+X+Y, -direct,
// -indirect, -iconic, -gldebug, -sync) are passed over for glutInit.
// Sets the game state's opponent and demo match; returns -1 to go on, or the
// exit status after --help or --version (0) or a usage message for a bad
// option (2).
int readCommandLine(int argc, char** argv);

// True when the options name an X display of their own (-display NAME).
bool commandLineNamesDisplay(int argc, char** argv);
// That display's name; null when the options name none.
const char* displayOnCommandLine(int argc, char** argv);
