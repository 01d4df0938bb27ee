#!/usr/bin/env python3
"""Two real games on one X server play each other over the loopback
address: the host (--host, team 1) and the joiner, who picks "Network",
"Join" in the menu and types 127.0.0.1 and the port; the computer on both
sides, through a simulated line of 100 ms, 20 ms jitter and 5 % loss. Both end on the same result screen and report the same score;
Esc takes each back to its menu and a second Esc ends it."""

import os
import random
import re
import subprocess
import sys
import time

import game_session
import pictures
import screens
from game_session import CheckFailed, check

MATCH_WAIT = 600.0
OVER = re.compile(r"network game over: final score (\d+):(\d+)")
# The score board along the top and the result picture in the middle.
SCORE_BOARD = (0, 800, 520, 580)
RESULT_BOX = (300, 500, 250, 350)
# Mean difference (0..255) two windows showing the same overlay may differ by.
SAME_OVERLAY = 12.0
# The winning goal's celebration stands over the result panel for up to 7 s
# after each side learns of the goal; the two sides learn of it at different
# moments, so the screens are compared once it is gone on both.
CELEBRATION_S = 8.0


def final_score(session):
    with open(session.log_path, "rb") as f:
        found = OVER.search(f.read().decode(errors="replace"))
    return (int(found.group(1)), int(found.group(2))) if found else None


def wait_for_scores(sessions):
    deadline = time.monotonic() + MATCH_WAIT
    while time.monotonic() < deadline:
        for session in sessions:
            check(session.process.poll() is None, "a game ended during the match:\n" + session.log_tail())
        scores = [final_score(session) for session in sessions]
        if all(scores):
            return scores
        time.sleep(1.0)
    raise CheckFailed("no final score from both games within %d s" % MATCH_WAIT)


def result_screen(session, name):
    # The windows overlap (no window manager): the one asked for comes on top.
    session._xdotool("windowraise", session.window)
    time.sleep(1.0)
    return session.screenshot(name)


PORT = random.randint(30000, 39999)
LINE = "delay=100,jitter=20,loss=5"
HOST_ARGUMENTS = ("--host", str(PORT), "--bind", "127.0.0.1", "--computer", "--seed", "5", "--goals", "1",
                  "--net-sim", LINE)


def play(host):
    joiner = game_session.GameSession(
        host.binary, host.root, os.path.join(host.artifacts, "joiner"),
        arguments=("--computer", "--net-sim", LINE), beside=host)
    try:
        pics = screens.MenuPictures(host.root)
        screens.wait_for_menu(joiner, pics, 0, 0, "the joiner's title picture")
        joiner.tap("Return")
        joiner.taps(["Down"] * 5 + ["Return"], 300)
        joiner._xdotool("type", "--window", joiner.window, "--delay", 100, "127.0.0.1:%d" % PORT)
        joiner.tap("Return")
        # The host waits for the joiner, which was started second.
        scores = wait_for_scores((host, joiner))
        check(scores[0] == scores[1], "the two games disagree on the score: %s and %s" % tuple(scores))
        check(max(scores[0]) == 1, "the match to one goal ended %d:%d" % scores[0])
        time.sleep(CELEBRATION_S)
        shots = [result_screen(session, "result") for session in (host, joiner)]
        for rect in (SCORE_BOARD, RESULT_BOX):
            box = pictures.frame_box(*rect, width=shots[0].width, height=shots[0].height)
            difference = pictures.mean_difference(shots[0], shots[1], box, step=2)
            check(difference < SAME_OVERLAY, "the two result screens differ in %s by %.1f" % (rect, difference))
        check(pictures.spread(shots[0], pictures.frame_box(*RESULT_BOX)) > 10.0, "no result picture on the host")
        for session in (joiner, host):
            session.tap("Escape")
            time.sleep(2.0)
            session.quit_from_menu()
        # Both machines keep the same replay, and it plays back to its hash.
        lines = []
        for session in (host, joiner):
            folder = os.path.join(session.env["XDG_DATA_HOME"], "quirtal", "replays")
            files = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
            check(len(files) == 1, "replays kept in %s: %s" % (folder, files))
            arena = os.path.join(os.path.dirname(host.binary), "quirtal-arena")
            run = subprocess.run([arena, "--replay", os.path.join(folder, files[0])],
                                 stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
            check(run.returncode == 0, "the arena refuses the network replay: " + run.stderr.decode())
            lines.append(run.stdout.decode().splitlines()[0])
        check(lines[0] == lines[1], "the two replays differ: %s / %s" % tuple(lines))
    finally:
        joiner.close()


if __name__ == "__main__":
    sys.exit(game_session.run_scenario(play, "network match", HOST_ARGUMENTS))
