#include "net/match_net_game.h"

MatchSetup matchSetupOf(uint64_t seed, const MatchSettings& settings)
{
    MatchSetup setup;
    setup.seed = seed;
    setup.goalsToWin = static_cast<uint8_t>(settings.goalsToWin);
    setup.manualRodSelection = static_cast<uint8_t>(settings.manualRodSelection);
    setup.rules = static_cast<uint8_t>(settings.rules);
    return setup;
}

MatchSettings matchSettingsOf(const MatchSetup& setup)
{
    MatchSettings settings;
    settings.goalsToWin = setup.goalsToWin;
    settings.manualRodSelection = setup.manualRodSelection;
    settings.rules = setup.rules;
    return settings;
}

MatchState MatchNetGame::start(const MatchSetup& setup)
{
    MatchState state;
    startMatch(state, setup.seed, matchSettingsOf(setup));
    return state;
}
