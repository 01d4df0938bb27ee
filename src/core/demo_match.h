#pragma once

// Demo matches: the computer plays both teams, started from the command line
// (--demo) or as the attract mode after a minute without input in the menu.

// Every menu frame: starts a demo match that is due.
void menuIdleFrame();

// Any input in the menu starts the minute again.
void noteMenuInput();

// A key or mouse button during the attract mode: back to the menu. True when
// the input was used up so.
bool endAttractOnInput();
