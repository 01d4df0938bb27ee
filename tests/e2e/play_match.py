#!/usr/bin/env python3
"""A player starts a match: the intro flight and Enter ending it, the help
panel, the frame-rate box, wireframe, the display-list notice coming and
going, a rod moved by a held key, the kick-off, the view turned by a
left-button drag (and not by a right-button one), Esc back to the menu and
Esc again ending the program with status 0."""

import sys
import time

import game_session
import pictures
import screens
from game_session import check

# The overview camera that follows the intro flight, with the initial view
# angles (pitch 10, yaw 0).
OVERVIEW = pictures.View(eye=(0.0, 400.0, 200.0), center=(0.0, 0.0, -80.0))

# A pixel counts as changed above this channel difference; a region counts
# as unchanged while at most STILL_SHARE of its pixels changed (the rod
# markers spin all the time, and the frame-rate figure changes).
STILL_SHARE = 0.02


def whole(shot):
    return pictures.Box(0, 0, shot.width, shot.height)


def rod_box(x):
    """Screen box of the figures of the rod at table x (figures are 30
    high and swing about their rod)."""
    return OVERVIEW.box_of((x - 12.0, -5.0, -130.0), (x + 12.0, 40.0, 130.0))


def blue_fraction(shot, box):
    """Share of team-1 blue pixels in the box."""
    box = box.clipped(shot.width, shot.height)
    blue = total = 0
    for row in range(box.top, box.bottom):
        for col in range(box.left, box.right):
            r, g, b = shot.pixel(col, row)
            total += 1
            blue += b > r + 60 and b > g + 30
    return blue / total if total else 0.0


def frame(rect):
    return pictures.frame_box(*rect)


def still(a, b, box):
    return pictures.changed_fraction(a, b, box, step=2) <= STILL_SHARE


def changed_pixels(a, b, box):
    return pictures.changed_fraction(a, b, box) * box.area()


def back_to(base, shot, area):
    """The screen shows base again, in area and as a whole."""
    return (pictures.mean_difference(base, shot, pictures.shrink(area, 3)) < 3.0
            and still(base, shot, whole(shot)))


def wait_until_still(session, what, box=None, quiet_seconds=1.0):
    """Waits until the screenshots have agreed for quiet_seconds (the scene
    has settled; a single slow frame on a loaded machine is not enough) and
    returns the latest one."""
    since = [session.screenshot(), time.monotonic()]

    def settled(shot):
        if not still(since[0], shot, box or whole(shot)):
            since[0], since[1] = shot, time.monotonic()
            return False
        return time.monotonic() - since[1] >= quiet_seconds
    return session.wait_for(what, settled)


def toggle_and_back(session, key, what, base, inside, outside, min_difference):
    """Presses key, expects the inside box to change by min_difference
    (mean, 0..255) while the outside boxes stay, then presses it again and
    expects the picture of base back. Returns the shot with the key on."""
    session.tap(key)
    shown = session.wait_for(
        what + " shown",
        lambda shot: pictures.mean_difference(base, shot, pictures.shrink(inside, 3), 2) >= min_difference)
    for box in outside:
        changed = pictures.changed_fraction(base, shown, box, step=2)
        check(changed <= STILL_SHARE,
              "%s changed %.1f%% of the screen outside its area %s" % (what, 100 * changed, box))
    session.save(shown, key)
    session.tap(key)
    session.wait_for(what + " gone", lambda shot: back_to(base, shot, inside))
    return shown


def play(session):
    pics = screens.MenuPictures(session.root)
    screens.wait_for_menu(session, pics, 0, 0, "the title picture")
    session.tap("Return")
    menu = screens.wait_for_menu(session, pics, 1, 0, "the menu at entry 1")

    # Start: the scene replaces the menu, seen from the intro camera high
    # above the table, which keeps descending until Enter ends the flight.
    session.tap("Return")
    intro = session.wait_for("the scene after the start",
                             lambda shot: pictures.changed_fraction(menu, shot, whole(shot), step=3) > 0.3)
    session.save(intro, "intro")
    session.wait_for("the intro camera moving",
                     lambda shot: pictures.changed_fraction(intro, shot, whole(shot), step=2) > STILL_SHARE)
    session.tap("Return")
    session.wait_for("the overview camera",
                     lambda shot: pictures.changed_fraction(intro, shot, whole(shot), step=2) > 0.2)
    base = wait_until_still(session, "the overview before the kick-off")
    session.save(base, "overview")
    check(pictures.spread(base, whole(base)) > 10.0, "the scene is blank")
    score_board = screens.OverlayPicture(session.root, "score256.bmp", "scoreboardalpha256.bmp",
                                         (0, 800, 400, 600))
    check(score_board.shown(base, screens.TEXT_TOLERANCE),
          "no score board the right way up (difference %.1f)" % score_board.difference(base))

    # Display keys: F1 help panel, F2 frame-rate box, each in its rectangle.
    help_rect = frame((140, 660, 90, 510))
    shown = toggle_and_back(session, "F1", "the help panel", base, help_rect,
                            [frame((0, 130, 0, 390)), frame((670, 800, 0, 390)),
                             frame((0, 800, 0, 80))], 6.0)
    help_text = screens.OverlayPicture(session.root, "help_schrift.bmp", "help_schriftalpha.bmp",
                                       (150, 650, 100, 480))
    check(help_text.shown(shown),
          "the help panel does not show the help text the right way up (difference %.1f)"
          % help_text.difference(shown))
    shown = toggle_and_back(session, "F2", "the frame-rate box", base, frame((0, 200, 400, 600)),
                            [frame((0, 800, 0, 390))], 4.0)
    rate_box = screens.OverlayPicture(session.root, "infoscreen.bmp", "infoscreenalpha.bmp",
                                      (0, 200, 400, 600))
    check(rate_box.shown(shown, screens.TEXT_TOLERANCE),
          "the frame-rate box does not show its picture the right way up (difference %.1f)"
          % rate_box.difference(shown))

    # F3: wireframe turns the filled skybox and table into lines on black,
    # overlays included.
    before_dark = pictures.dark_fraction(base, whole(base))
    session.tap("F3")
    lines = session.wait_for(
        "wireframe", lambda shot: pictures.dark_fraction(shot, whole(shot)) > before_dark + 0.3)
    session.save(lines, "wireframe")
    session.tap("F3")
    session.wait_for("filled polygons again", lambda shot: still(base, shot, whole(shot)))

    # F7: the display-list notice appears in the middle of the screen and
    # goes by itself after one to two seconds; with the lists off the scene
    # looks as before.
    notice_rect = pictures.shrink(frame((300, 500, 275, 325)), 3)
    for state in ("off", "on"):
        notice = screens.OverlayPicture(session.root, "displaylist_%s.bmp" % state,
                                        "displaylist_%s_alpha.bmp" % state, (300, 500, 275, 325))
        pressed = time.monotonic()
        session.tap("F7")
        session.save(session.wait_for("the display-list notice (%s)" % state, notice.shown),
                     "notice-" + state)
        session.wait_for("the notice going away (%s)" % state,
                         lambda shot: back_to(base, shot, notice_rect), timeout=30)
        print("display-list notice (%s) gone %.1f s after F7" % (state, time.monotonic() - pressed))

    # A right-button drag leaves the view alone.
    session.drag(3, (400, 300), (470, 360))
    time.sleep(2.0)
    check(still(base, wait_until_still(session, "the view after a right drag"), whole(base)),
          "a right-button drag turned the view")

    # Holding w slides player 1's first rod (the midfield rod at x -30 while
    # the ball lies in the middle) away from the viewer; player 2's midfield
    # rod at x 30 stays.
    mine, theirs = rod_box(-30.0), rod_box(30.0)
    session.press("w")
    try:
        session.wait_for("player 1's midfield figures sliding",
                         lambda shot: pictures.changed_fraction(base, shot, mine) > 0.03)
    finally:
        session.release("w")
    moved = wait_until_still(session, "the rod at rest after releasing w")
    session.save(moved, "rod-moved")
    check(pictures.changed_fraction(base, moved, theirs) <= STILL_SHARE,
          "player 2's midfield rod moved when player 1 held w")
    check(pictures.changed_fraction(base, moved, mine) > 0.03,
          "player 1's midfield rod went back after w was released")
    # Away from the viewer (toward -z): the rod's far end changes, while no
    # blue foot comes into the ground strip at its near end (the steel rod
    # and its grey handle, raised above the felt, do show there). Only feet
    # count: a figure's upper body shows farther up the screen.
    far_end = OVERVIEW.box_of((-42.0, 0.0, -138.0), (-18.0, 4.0, -112.0), margin=0)
    near_end = OVERVIEW.box_of((-42.0, 0.0, 112.0), (-18.0, 4.0, 138.0), margin=0)
    check(pictures.changed_fraction(base, moved, far_end) > 0.1,
          "w did not slide the rod's end figure toward the far side")
    check(blue_fraction(moved, near_end) <= blue_fraction(base, near_end) + STILL_SHARE,
          "w slid the rod toward the viewer")

    # Enter kicks off: the ball leaves the centre spot. Before it, nothing
    # on the table plane moves; after it the ball does.
    plane = OVERVIEW.box_of((-230.0, 0.0, -130.0), (230.0, 10.0, 130.0))
    check(changed_pixels(moved, session.screenshot(), plane) <= 12,
          "something moved on the table before the kick-off")
    session.tap("Return")
    session.wait_for("the ball moving after the kick-off",
                     lambda shot: changed_pixels(moved, shot, plane) >= 40)

    # A left-button drag turns the whole view.
    before_turn = session.screenshot()
    session.drag(1, (400, 300), (470, 340))
    turned = session.wait_for(
        "the view turned by a left drag",
        lambda shot: pictures.changed_fraction(before_turn, shot, whole(shot), step=2) > 0.3)
    session.save(turned, "turned")

    # Esc and Enter go back to the menu with the marker where it was, Esc again quits.
    session.leave_match()
    screens.wait_for_menu(session, pics, 1, 0, "the menu after Esc")
    session.quit_from_menu()


if __name__ == "__main__":
    sys.exit(game_session.run_scenario(play, "a match from the start to quitting"))
