#!/usr/bin/env python3
"""One person alone: started with --opponent computer on a display named
by GLUT's own -display option (DISPLAY unset), the game shows the computer
as player 2's side in the menu; in the match the computer ends the intro,
kicks off and scores against a player 1 who touches nothing."""

import sys

import game_session
import pictures
import screens
from play_match import frame, whole

# Player 2's goal count on the score board, in the 800 x 600 frame. Player
# 1's count may change too: the computer can put the ball into its own goal.
PLAYER2_GOALS = frame((646, 676, 538, 566))


def play(session):
    pics = screens.MenuPictures(session.root)
    screens.wait_for_menu(session, pics, 0, 0, "the title picture")
    session.tap("Return")
    menu = screens.wait_for_menu(session, pics, 1, 0, "the computer as player 2's side", opponent=2)
    session.save(menu, "menu")

    session.tap("Return")
    start = session.wait_for("the match", lambda shot: pictures.changed_fraction(menu, shot, whole(shot), step=3) > 0.3)
    session.save(start, "start")
    goal = session.wait_for(
        "a goal for player 2",
        lambda shot: pictures.changed_fraction(start, shot, PLAYER2_GOALS) > 0.05, timeout=240)
    session.save(goal, "goal")


if __name__ == "__main__":
    sys.exit(game_session.run_scenario(play, "alone against the computer",
                                       ("-display", "{display}", "--opponent", "computer")))
