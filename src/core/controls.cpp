#include "core/controls.h"

namespace {

struct Held {
    // [source][player][slot][action]: the value each source holds, and its slack.
    int8_t value[controlSources][2][2][2] = {};
    uint8_t slack[controlSources][2][2][2] = {};
    // Keyboard: which of the two directions are down, [player][slot][action][direction].
    bool keyDown[2][2][2][2] = {};
    bool switchNoted[2] = {false, false};
    bool enterNoted = false;
};

Held held;

bool validPlayer(int player) { return player == 1 || player == 2; }
bool validSlot(int slot) { return slot == 0 || slot == 1; }
int actionIndex(RodAction action) { return action == RodAction::Slide ? 0 : 1; }
int directionIndex(int direction) { return direction < 0 ? 0 : 1; }

} // namespace

void pressControl(int player, int slot, RodAction action, int direction)
{
    if (!validPlayer(player) || !validSlot(slot) || direction == 0)
        return;
    const int a = actionIndex(action);
    held.keyDown[player - 1][slot][a][directionIndex(direction)] = true;
    held.value[keyboardSource][player - 1][slot][a] = static_cast<int8_t>(direction < 0 ? -1 : 1);
}

void releaseControl(int player, int slot, RodAction action, int direction)
{
    if (!validPlayer(player) || !validSlot(slot) || direction == 0)
        return;
    const int a = actionIndex(action);
    bool (&down)[2] = held.keyDown[player - 1][slot][a];
    down[directionIndex(direction)] = false;
    // The other direction, still held, takes over.
    held.value[keyboardSource][player - 1][slot][a] = static_cast<int8_t>(down[0] ? -1 : down[1] ? 1 : 0);
}

void setPadControl(int source, int player, int slot, RodAction action, int value, int slack)
{
    if (source <= keyboardSource || source >= controlSources || !validPlayer(player) || !validSlot(slot))
        return;
    const int a = actionIndex(action);
    held.value[source][player - 1][slot][a] = static_cast<int8_t>(value < 0 ? -1 : value > 0 ? 1 : 0);
    held.slack[source][player - 1][slot][a] =
        static_cast<uint8_t>(value == 0 || slack < 0 ? 0 : slack < analogSteps ? slack : analogSteps - 1);
}

void notePairSwitch(int player)
{
    if (validPlayer(player))
        held.switchNoted[player - 1] = true;
}

void noteEnter() { held.enterNoted = true; }

InputRecord sampleHeldInput(int player)
{
    InputRecord record;
    if (!validPlayer(player))
        return record;
    const int p = player - 1;
    for (int slot = 0; slot < 2; ++slot) {
        // The first source that holds something wins: the keyboard, then the pads.
        for (int source = controlSources - 1; source >= 0; --source) {
            if (held.value[source][p][slot][0] != 0) {
                record.slide[slot] = held.value[source][p][slot][0];
                record.slideSlack[slot] = held.slack[source][p][slot][0];
            }
            if (held.value[source][p][slot][1] != 0) {
                record.kick[slot] = held.value[source][p][slot][1];
                record.kickSlack[slot] = held.slack[source][p][slot][1];
            }
        }
    }
    record.switchPair = held.switchNoted[p];
    held.switchNoted[p] = false;
    return record;
}

bool takeEnter()
{
    const bool noted = held.enterNoted;
    held.enterNoted = false;
    return noted;
}

void releaseAllControls() { held = Held{}; }
