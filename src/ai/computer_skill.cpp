#include "ai/computer_skill.h"

#include "ai/computer_player.h"
#include "sim/match_engine.h"

#include <cmath>

namespace {

// The middle of each strength. A person sees the reaction (hard looks about
// every 0.1 s, easy every 0.3 s), how far its shots stray, and how often it
// blunders.
const ComputerSkill strengthMiddles[] = {
    {ticksPerSecond * 3 / 10, 18.0f, 0.2f, 0.4f, 0.25f, 0.2f, false, false, false}, // easy
    {ticksPerSecond / 4, 4.0f, 0.06f, 0.3f, 0.1f, 0.5f, true, true, true},         // normal
    {ticksPerSecond / 10, 0.8f, 0.01f, 0.04f, 0.01f, 0.95f, true, true, true},        // hard
};

// Each figure of a match lies within this share either side of its strength's middle.
constexpr float matchVariation = 0.2f;

float vary(MatchRandom& random, float middle) { return middle * (1.0f + randomSpread(random, matchVariation)); }

} // namespace

float randomSpread(MatchRandom& random, float spread)
{
    return spread * (static_cast<float>(random.nextU32() % 2001u) / 1000.0f - 1.0f);
}

ComputerSkill drawComputerSkill(int strength, MatchRandom& random)
{
    const int index = strength <= ComputerEasy ? 0 : strength >= ComputerHard ? 2 : 1;
    ComputerSkill skill = strengthMiddles[index];
    skill.reaction = static_cast<int>(std::lround(vary(random, static_cast<float>(skill.reaction))));
    skill.aimSpread = vary(random, skill.aimSpread);
    skill.timing = vary(random, skill.timing);
    skill.speedError = vary(random, skill.speedError);
    skill.mistakes = vary(random, skill.mistakes);
    return skill;
}
