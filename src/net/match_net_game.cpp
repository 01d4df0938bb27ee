#include "net/match_net_game.h"

#include "net/packed_input.h"

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

uint16_t MatchNetGame::pack(const InputRecord& input)
{
    uint16_t packed = 0;
    for (int rod = 0; rod < 2; ++rod)
        packed |= packDirection(input.slide[rod], rod) | packDirection(input.kick[rod], 2 + rod);
    if (input.switchPair)
        packed |= packedSwitchBit;
    if (input.enter)
        packed |= packedEnterBit;
    return packed;
}

InputRecord MatchNetGame::unpack(uint16_t packed)
{
    InputRecord input;
    for (int rod = 0; rod < 2; ++rod) {
        input.slide[rod] = static_cast<int8_t>(unpackDirection(packed, rod));
        input.kick[rod] = static_cast<int8_t>(unpackDirection(packed, 2 + rod));
    }
    input.switchPair = (packed & packedSwitchBit) != 0;
    input.enter = (packed & packedEnterBit) != 0;
    return input;
}
