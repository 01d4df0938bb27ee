#!/usr/bin/env python3
"""--demo goes straight to a match of computer against computer, with no
menu and no intro flight; the computer kicks off and plays; Esc brings the
title picture back and a second Esc ends the program. An unknown option
gets a one-line usage message and status 2 before any window opens."""

import subprocess
import sys

import game_session
import pictures
import screens
from game_session import check
from play_match import OVERVIEW, changed_pixels, whole


def play(session):
    refused = subprocess.run([session.binary, "--fast"], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                             env=session.env, timeout=30)
    message = refused.stderr.decode(errors="replace")
    check(refused.returncode == 2, "an unknown option ended with status %d" % refused.returncode)
    check(message.count("\n") == 1 and "usage: quirtal" in message, "not a one-line usage: %r" % message)

    pics = screens.MenuPictures(session.root)
    table = session.wait_for(
        "the table seen from above",
        lambda shot: pictures.changed_fraction(pics.title, shot, whole(shot), step=3) > 0.3
        and pictures.spread(shot, whole(shot)) > 10.0)
    session.save(table, "table")
    plane = OVERVIEW.box_of((-230.0, 0.0, -130.0), (230.0, 10.0, 130.0))
    session.save(session.wait_for("the computer playing", lambda shot: changed_pixels(table, shot, plane) >= 40),
                 "playing")
    session.tap("Escape")
    screens.wait_for_menu(session, pics, 0, 0, "the title picture after Esc")
    session.quit_from_menu()


if __name__ == "__main__":
    sys.exit(game_session.run_scenario(play, "demo match", ("--demo",)))
