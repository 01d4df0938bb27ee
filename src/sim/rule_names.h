#pragma once

// The rule sets by the names the options and the menu use: "classic", "table".
const char* ruleSetName(int rules);
// False for a name that is neither.
bool readRuleSetName(const char* text, int& rules);
