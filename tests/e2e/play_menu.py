#!/usr/bin/env python3
"""A player in the menu: the title picture, Enter to the menu, Up and Down
moving the marker (wrapping past both ends), the rod-selection mode picture
toggled in place, player 2's side stepped through the computer's strengths, the credits screen and back, and Esc ending the program
with status 0."""

import sys
import time

import game_session
import screens


def play(session):
    pics = screens.MenuPictures(session.root)

    # The program opens on the title picture with the marker at entry 0 and
    # no mode picture.
    title = screens.wait_for_menu(session, pics, 0, 0, "the title picture")
    screens.check_is_picture(title)
    session.save(title, "title")

    # Enter on the title only moves the marker to "start".
    session.tap("Return")
    session.save(screens.wait_for_menu(session, pics, 1, 0, "the menu at entry 1"), "menu")

    # Down walks through the entries as shown (player 2's side, 5, and the
    # settings, 6, between the rod choice and the credits, "Network", 7, beside
    # the credits) and wraps from "quit" back to "start"; Up wraps the other
    # way. Entry 0 is never reached again.
    for key, selection in (("Down", 2), ("Down", 5), ("Down", 6), ("Down", 3), ("Down", 7), ("Down", 4),
                           ("Down", 1), ("Up", 4), ("Up", 7), ("Up", 3), ("Up", 6), ("Up", 5), ("Up", 2)):
        session.tap(key)
        screens.wait_for_menu(session, pics, selection, 0,
                              "%s to entry %d" % (key, selection))

    # Confirming the rod-selection entry swaps the mode picture; the marker
    # stays on the entry.
    session.tap("Return")
    session.save(screens.wait_for_menu(session, pics, 2, 1, "the manuell picture"), "manuell")
    session.tap("space")
    screens.wait_for_menu(session, pics, 2, 0, "the automatic picture again")

    # Player 2's side: Enter steps from a second person through the
    # computer's strengths and back.
    session.tap("Down")
    screens.wait_for_menu(session, pics, 5, 0, "entry 5")
    for opponent in (1, 2, 3, 0):
        session.tap("Return")
        shot = screens.wait_for_menu(session, pics, 5, 0, "player 2's side %d" % opponent, opponent)
        if opponent == 1:
            session.save(shot, "computer-easy")

    # The Settings screen opens from entry 6 and Esc brings the menu back.
    session.tap("Down")
    screens.wait_for_menu(session, pics, 6, 0, "entry 6")
    session.tap("Return")
    time.sleep(1.0)
    session.save(session.screenshot(), "settings")
    session.tap("Escape")
    screens.wait_for_menu(session, pics, 6, 0, "the menu after Esc on the settings")

    # Credits, and back to the menu with Esc and with Space; the marker
    # stays on the credits entry.
    session.tap("Down")
    screens.wait_for_menu(session, pics, 3, 0, "entry 3")
    session.tap("Return")
    session.save(screens.wait_for_screen(session, screens.credits_shown(pics), "the credits"),
                 "credits")
    session.tap("Escape")
    screens.wait_for_menu(session, pics, 3, 0, "the menu after Esc on the credits")
    session.tap("Return")
    screens.wait_for_screen(session, screens.credits_shown(pics), "the credits again")
    session.tap("space")
    screens.wait_for_menu(session, pics, 3, 0, "the menu after Space on the credits")

    session.quit_from_menu()


if __name__ == "__main__":
    sys.exit(game_session.run_scenario(play, "menu, credits and quit"))
