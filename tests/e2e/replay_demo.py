#!/usr/bin/env python3
"""A demo match is recorded: --demo --seed 3 plays until the first goal and
Esc leaves it; the abandoned match lies in the replay folder under
XDG_DATA_HOME. The arena plays the file back to its hash, and the arena's
own match of seed 3 (normal against normal) agrees with it tick for tick.
The game itself plays the replay back; a damaged copy is refused with one
line and status 1 before any window opens."""

import os
import re
import subprocess
import sys
import tempfile

import game_session
import pictures
import screens
from game_session import check
from play_match import frame, whole

# Both goal counts of the score board in the 800 x 600 frame.
GOAL_COUNTS = (frame((236, 280, 538, 566)), frame((646, 680, 538, 566)))
LINE = re.compile(r"seed=3 home=(\S+) away=(\S+) score=(\d+):(\d+) ticks=(\d+) hash=([0-9a-f]{16})$")


def arena_line(session, *arguments):
    arena = os.path.join(os.path.dirname(session.binary), "quirtal-arena")
    run = subprocess.run([arena] + list(arguments), stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=300)
    first = run.stdout.decode().splitlines()[:1]
    return run.returncode, (LINE.match(first[0]) if first else None), run.stderr.decode()


def play(session):
    pics = screens.MenuPictures(session.root)
    start = session.wait_for(
        "the table", lambda shot: pictures.changed_fraction(pics.title, shot, whole(shot), step=3) > 0.3)
    goal = session.wait_for(
        "the first goal",
        lambda shot: any(pictures.changed_fraction(start, shot, box) > 0.05 for box in GOAL_COUNTS), timeout=300)
    session.save(goal, "goal")
    session.tap("Escape")
    screens.wait_for_menu(session, pics, 0, 0, "the title picture after Esc")
    session.quit_from_menu()

    folder = os.path.join(os.environ["XDG_DATA_HOME"], "quirtal", "replays")
    files = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    check(len(files) == 1, "one replay expected in %s, found %s" % (folder, files))
    recorded = os.path.join(folder, files[0])

    status, line, errors = arena_line(session, "--replay", recorded)
    check(status == 0 and line, "the arena refused the replay (%d): %s" % (status, errors))
    home, away, goals1, goals2, ticks, digest = line.groups()
    check(int(goals1) + int(goals2) >= 1, "the replay holds no goal: " + line.group(0))
    check((home, away) == ("normal", "normal"), "the demo's sides are recorded as %s, %s" % (home, away))

    # The same seed in the arena, stopped at the same tick.
    status, own, errors = arena_line(session, "--seed", "3", "--minutes", "%.9f" % (int(ticks) / 3600.0))
    check(status == 0 and own, "the arena did not play seed 3: " + errors)
    check(own.group(0) == line.group(0), "the demo and the arena differ:\n%s\n%s" % (line.group(0), own.group(0)))

    # The game plays the replay back: the table, then Esc back to the title.
    viewer = game_session.GameSession(session.binary, session.root, os.path.join(session.artifacts, "viewer"),
                                      arguments=("--replay", recorded))
    try:
        viewer.save(viewer.wait_for(
            "the replay on the table",
            lambda shot: pictures.changed_fraction(pics.title, shot, whole(shot), step=3) > 0.3), "replay")
        viewer.tap("Escape")
        screens.wait_for_menu(viewer, pics, 0, 0, "the title picture after the replay")
        viewer.quit_from_menu()
    finally:
        viewer.close()
    check(len(os.listdir(folder)) == 1, "watching a replay recorded another")

    damaged = bytearray(open(recorded, "rb").read())
    damaged[len(damaged) // 2] ^= 0x10
    with open(os.path.join(session.artifacts, "damaged.qreplay"), "wb") as f:
        f.write(damaged)
    refused = subprocess.run([session.binary, "--replay", f.name], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                             env=session.env, timeout=30)
    message = refused.stderr.decode(errors="replace")
    check(refused.returncode == 1, "a damaged replay ended with status %d" % refused.returncode)
    check(message.count("\n") == 1 and "damaged" in message, "not one line about the damage: %r" % message)


if __name__ == "__main__":
    with tempfile.TemporaryDirectory() as data_home:
        os.environ["XDG_DATA_HOME"] = data_home
        sys.exit(game_session.run_scenario(play, "a recorded demo match played back", ("--demo", "--seed", "3")))
