#pragma once

// Demo matches: the computer plays both teams, started from the command line
// (--demo) or as the attract mode after a minute without input in the menu.

// In a menu frame: the demo match due now (DemoCommandLine or DemoAttract),
// DemoOff for none.
int demoMatchDue();

// Any input in the menu starts the minute again.
void noteMenuInput();
