#!/usr/bin/env python3
"""A player starts, skips the intro flight and kicks off with three Enter
presses within 100 ms: the ball goes into play and no goal falls by itself
in the seconds after; the score board still shows 0 : 0, as after a fresh
start."""

import sys
import time

import game_session
import pictures
import screens
from game_session import check

# The overview camera after the intro flight (see play_match.py).
OVERVIEW = pictures.View(eye=(0.0, 400.0, 200.0), center=(0.0, 0.0, -80.0))

# The two goal counts of the score board, written at x 240 and 650, y 545
# of the 800 x 600 frame.
SCORE_DIGITS = (pictures.frame_box(236, 280, 538, 566), pictures.frame_box(646, 680, 538, 566))


def play(session):
    pics = screens.MenuPictures(session.root)
    screens.wait_for_menu(session, pics, 0, 0, "the title picture")
    session.tap("Return")
    menu = screens.wait_for_menu(session, pics, 1, 0, "the menu at entry 1")

    # Start, end the intro flight and kick off, 40 ms apart.
    session.taps(["Return", "Return", "Return"], delay_ms=40)
    whole = pictures.Box(0, 0, menu.width, menu.height)
    session.wait_for("the scene after the start",
                     lambda shot: pictures.changed_fraction(menu, shot, whole, step=3) > 0.3)

    # The ball is in play: the table plane keeps changing between shots.
    plane = OVERVIEW.box_of((-230.0, 0.0, -130.0), (230.0, 10.0, 130.0))
    previous = [session.screenshot()]

    def ball_moves(shot):
        moved = pictures.changed_fraction(previous[0], shot, plane) * plane.area() >= 40
        previous[0] = shot
        return moved
    session.wait_for("the ball moving after the kick-off", ball_moves)
    time.sleep(4.0)
    played = session.screenshot("after-quick-kick-off")

    # Back to the menu (the score goes back to 0 : 0) and a fresh start: its
    # score board is the one to compare with.
    session.leave_match()
    menu = screens.wait_for_menu(session, pics, 1, 0, "the menu after Esc")
    session.tap("Return")
    fresh = session.wait_for("the scene after the second start",
                             lambda shot: pictures.changed_fraction(menu, shot, whole, step=3) > 0.3)
    session.save(fresh, "fresh-start")
    for player, box in enumerate(SCORE_DIGITS, 1):
        changed = pictures.changed_fraction(played, fresh, box, threshold=24)
        check(changed == 0.0, "player %d's goal count is not 0 after the quick kick-off (%.0f%% of its "
              "pixels differ from a fresh start's)" % (player, 100 * changed))
    session.leave_match()
    screens.wait_for_menu(session, pics, 1, 0, "the menu at the end")
    session.quit_from_menu()


if __name__ == "__main__":
    sys.exit(game_session.run_scenario(play, "a quick kick-off after the start scores nothing"))
