#include "core/controls.h"

#include "core/game_state.h"
#include "sim/figure.h"

namespace {

void setRod(const RodControl& control, int value)
{
    Team& team = control.player == 1 ? team1 : team2;
    const LayoutEntry* layout = control.player == 1 ? layoutTeam1 : layoutTeam2;
    const int pair = game.activePair[control.player - 1];
    if (control.action == RodAction::Slide)
        setRodSlide(team, layout, pair, value, control.first);
    else
        setRodSwing(team, layout, pair, value, control.first);
}

} // namespace

void pressRodControl(const RodControl& control) { setRod(control, control.value); }

void releaseRodControl(const RodControl& control)
{
    setRod(control, control.action == RodAction::Slide ? static_cast<int>(SlideStill)
                                                       : static_cast<int>(SwingReturn));
}

void switchPlayerPair(int player) { switchActivePair(player - 1); }
