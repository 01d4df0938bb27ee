#include "sim/rule_names.h"

#include "sim/match_state.h"

#include <cstring>
#include <initializer_list>

const char* ruleSetName(int rules) { return rules == static_cast<int>(RuleSet::Table) ? "table" : "classic"; }

bool readRuleSetName(const char* text, int& rules)
{
    for (RuleSet candidate : {RuleSet::Classic, RuleSet::Table})
        if (text && std::strcmp(text, ruleSetName(static_cast<int>(candidate))) == 0) {
            rules = static_cast<int>(candidate);
            return true;
        }
    return false;
}
