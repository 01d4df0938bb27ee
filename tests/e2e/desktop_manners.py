#!/usr/bin/env python3
"""The game as a desktop program: started from a directory without data/ it
finds the build's data set and shows the title picture; the menu keeps the
CPU calm; F10 covers the screen and puts the window back where it was, both
without a window manager and through one (openbox); Ctrl+C (SIGINT) and
SIGTERM end it the way a terminal user expects; -geometry sets the window's
size and place. And `make run` without a
display says so in one line."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import game_session
import screens
from game_session import check

# A menu drawn as fast as the machine allows keeps whole cores busy.
MENU_CPU_LIMIT = 0.60
CPU_WINDOW_SECONDS = 2.0


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime, fields 14 and 15 of the whole line.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def window_geometry(session):
    """x, y, width and height of the game's window."""
    out = session._xdotool("getwindowgeometry", "--shell", session.window).stdout.decode()
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def wait_for_geometry(session, wanted, what):
    deadline = time.monotonic() + game_session.DEFAULT_WAIT
    while window_geometry(session) != wanted:
        check(time.monotonic() < deadline,
              "%s: the window is at %s, not %s" % (what, window_geometry(session), wanted))
        time.sleep(game_session.POLL_PAUSE)


def full_screen_and_back(session):
    windowed = window_geometry(session)
    session.tap("F10")
    wait_for_geometry(session, (0, 0) + session.server.size, "full screen")
    session.tap("F10")
    wait_for_geometry(session, windowed, "back from full screen")


def start_window_manager(session):
    manager = subprocess.Popen(["openbox"], env=session.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + game_session.DEFAULT_WAIT
    while b"window id" not in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                             env=session.env, stdout=subprocess.PIPE,
                                             stderr=subprocess.DEVNULL).stdout:
        check(time.monotonic() < deadline and manager.poll() is None, "openbox did not start")
        time.sleep(game_session.POLL_PAUSE)
    # Give it the moment it takes to frame the game's window.
    time.sleep(1.0)
    return manager


def ends_by(session, signal_number):
    session.process.send_signal(signal_number)
    status = session.wait_for_exit(timeout=10)
    check(status == -signal_number,
          "%s ended the game with status %s" % (signal.Signals(signal_number).name, status))


def first_session(binary, root, elsewhere, artifacts):
    session = game_session.GameSession(binary, root, artifacts, cwd=elsewhere)
    try:
        pics = screens.MenuPictures(root)
        screens.check_is_picture(
            screens.wait_for_menu(session, pics, 0, 0, "the title picture, data from the build"))

        start = cpu_seconds(session.process.pid)
        time.sleep(CPU_WINDOW_SECONDS)
        share = (cpu_seconds(session.process.pid) - start) / CPU_WINDOW_SECONDS
        check(share < MENU_CPU_LIMIT, "the menu took %.0f %% of a core" % (share * 100))

        full_screen_and_back(session)
        screens.wait_for_menu(session, pics, 0, 0, "the title after full screen and back")
        ends_by(session, signal.SIGINT)
    finally:
        session.close()


def second_session(binary, root, elsewhere, artifacts):
    session = game_session.GameSession(binary, root, artifacts, cwd=elsewhere)
    manager = None
    try:
        screens.wait_for_menu(session, screens.MenuPictures(root), 0, 0, "the title picture")
        manager = start_window_manager(session)
        full_screen_and_back(session)
        ends_by(session, signal.SIGTERM)
    finally:
        if manager:
            manager.terminate()
            manager.wait()
        session.close()


def placed_by_geometry(binary, root, artifacts):
    session = game_session.GameSession(binary, root, artifacts, arguments=("-geometry", "640x480+10+20"))
    try:
        wait_for_geometry(session, (10, 20, 640, 480), "-geometry 640x480+10+20")
    finally:
        session.close()


def make_run_without_display():
    # make run belongs to the source tree's Makefile.
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "MAKEFLAGS", "MAKELEVEL", "MFLAGS")}
    result = subprocess.run(["make", "run"], cwd=root, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, timeout=60)
    lines = result.stdout.decode(errors="replace").splitlines()
    check(result.returncode != 0 and len(lines) == 1 and "DISPLAY is not set" in lines[0],
          "make run without a display: status %d, %r" % (result.returncode, lines[:5]))


def main():
    arguments = game_session.scenario_arguments("QUIRTAL_BINARY")
    if not arguments:
        return 2
    binary, root, artifacts = arguments
    elsewhere = tempfile.mkdtemp(prefix="quirtal-elsewhere-")
    try:
        make_run_without_display()
        first_session(binary, root, elsewhere, os.path.join(artifacts, "sigint"))
        second_session(binary, root, elsewhere, os.path.join(artifacts, "sigterm"))
        placed_by_geometry(binary, root, os.path.join(artifacts, "geometry"))
    except game_session.CheckFailed as failure:
        print("FAILED (desktop manners): %s" % failure, file=sys.stderr)
        return 1
    finally:
        shutil.rmtree(elsewhere, ignore_errors=True)
    print("passed: desktop manners")
    return 0


if __name__ == "__main__":
    sys.exit(main())
