#include "sim/table_layout.h"

const LayoutEntry layoutTeam1[figuresPerTeam] = {
    {-210, 2, 0, RodGoalkeeper},
    {-150, 2, -28, RodDefence},
    {-150, 2, 28, RodDefence},
    {-30, 2, -96, RodMidfield},
    {-30, 2, -48, RodMidfield},
    {-30, 2, 0, RodMidfield},
    {-30, 2, 48, RodMidfield},
    {-30, 2, 96, RodMidfield},
    {90, 2, -72, RodAttack},
    {90, 2, 0, RodAttack},
    {90, 2, 72, RodAttack},
};

const LayoutEntry layoutTeam2[figuresPerTeam] = {
    {210, 2, 0, RodGoalkeeper},
    {150, 2, -28, RodDefence},
    {150, 2, 28, RodDefence},
    {30, 2, -96, RodMidfield},
    {30, 2, -48, RodMidfield},
    {30, 2, 0, RodMidfield},
    {30, 2, 48, RodMidfield},
    {30, 2, 96, RodMidfield},
    {-90, 2, -72, RodAttack},
    {-90, 2, 0, RodAttack},
    {-90, 2, 72, RodAttack},
};
