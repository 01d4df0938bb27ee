#include "core/side_names.h"

#include "core/match_flow.h"

namespace {

// One person against the computer: the person is "You".
bool aloneAgainstComputer()
{
    return (computerStrength(1) == NoComputer) != (computerStrength(2) == NoComputer);
}

} // namespace

const char* sideName(int player)
{
    if (aloneAgainstComputer())
        return computerStrength(player) == NoComputer ? "You" : "Computer";
    return player == 1 ? "Player 1" : "Player 2";
}

const char* winnerLine(int player)
{
    if (aloneAgainstComputer())
        return computerStrength(player) == NoComputer ? "You win" : "Computer wins";
    return player == 1 ? "Player 1 wins" : "Player 2 wins";
}
