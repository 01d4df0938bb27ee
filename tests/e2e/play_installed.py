#!/usr/bin/env python3
"""The installed game: `cmake --install` into a fresh prefix puts the
launcher, the binary, the data set, a desktop entry and AppStream metainfo
(accepted by appstreamcli) under one id, a man page and an icon in place;
the launcher explains a missing display, and started from an unrelated
directory shows the title picture and quits with status 0 on Esc."""

import configparser
import os
import re
import subprocess
import sys

import game_session
import pictures
import screens
from game_session import check

APP_ID = "org.quirtal.orvelcup"


def check_tree(prefix):
    launcher = os.path.join(prefix, "bin", "quirtal")
    check(os.access(launcher, os.X_OK), "no executable launcher at " + launcher)
    binary = os.path.join(prefix, "libexec", "quirtal", "quirtal")
    check(os.access(binary, os.X_OK), "no game binary at " + binary)
    for name in ("menu/menu_intro.bmp", "player7.3ds", "arrow.3ds"):
        path = os.path.join(prefix, "share", "quirtal", "data", name)
        check(os.path.isfile(path), "the data set lacks " + path)

    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(os.path.join(prefix, "share", "applications", APP_ID + ".desktop"), encoding="utf-8")
    check(entry.has_section("Desktop Entry"), "no desktop entry installed")
    desktop = entry["Desktop Entry"]
    check(desktop.get("Type") == "Application" and desktop.get("Exec") == "quirtal",
          "the desktop entry does not start the launcher")
    check(desktop.get("Name") == game_session.WINDOW_TITLE, "the desktop entry has the wrong name")
    check(desktop.get("Keywords") and desktop.get("Name[de]") and desktop.get("Comment[de]"),
          "the desktop entry lacks keywords or its German name and comment")
    metainfo = os.path.join(prefix, "share", "metainfo", APP_ID + ".metainfo.xml")
    validation = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo], capture_output=True, text=True)
    check(validation.returncode == 0, "appstreamcli rejects %s:\n%s" % (metainfo, validation.stdout))
    manual = subprocess.run(["man", "-l", os.path.join(prefix, "share", "man", "man6", "quirtal.6")],
                            capture_output=True, text=True, env=dict(os.environ, MANWIDTH="80"))
    check(manual.returncode == 0 and "--version" in manual.stdout, "no readable man page installed")

    # The icon in every hicolor size, each a drawing of its own size (not the
    # title picture shrunk: no text, and the corners left transparent).
    for size in (32, 48, 64, 128, 256):
        icon = os.path.join(prefix, "share", "icons", "hicolor", "%dx%d" % (size, size), "apps",
                            desktop.get("Icon", "") + ".png")
        check(os.path.isfile(icon), "no icon at " + icon)
        picture = pictures.decode_file(icon)
        check((picture.width, picture.height) == (size, size),
              "the icon is %dx%d, not %dx%d" % (picture.width, picture.height, size, size))
        check(pictures.spread(picture, pictures.Box(0, 0, size, size), step=1) > 10.0, "the icon is blank")
        middle = size // 2
        alpha = subprocess.run(["convert", icon, "-alpha", "extract", "-format",
                                "%%[fx:p{0,0}],%%[fx:p{%d,%d}]" % (middle, middle), "info:"],
                               capture_output=True, text=True, check=True)
        corner, middle = (float(v) for v in alpha.stdout.split(","))
        check(corner < 0.1 and middle > 0.9, "the %d-pixel icon is not a shape on a clear ground" % size)
    return launcher


def check_without_display(launcher, elsewhere):
    """Without DISPLAY the launcher explains itself instead of failing inside
    GLUT."""
    env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    result = subprocess.run([launcher], cwd=elsewhere, env=env, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, timeout=60)
    check(result.returncode == 1 and b"DISPLAY is not set" in result.stderr,
          "the launcher without a display: status %d, %r" % (result.returncode, result.stderr[-200:]))
    version = subprocess.run([launcher, "--version"], cwd=elsewhere, env=env, capture_output=True, text=True)
    check(version.returncode == 0 and re.fullmatch(r"quirtal \d+\.\d+\.\d+\n", version.stdout),
          "quirtal --version: status %d, %r" % (version.returncode, version.stdout))


def main():
    arguments = game_session.scenario_arguments("BUILD_DIR")
    if not arguments:
        return 2
    build, _, artifacts = arguments
    prefix = os.path.join(artifacts, "prefix")
    elsewhere = os.path.join(artifacts, "elsewhere")
    os.makedirs(elsewhere)
    subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL)
    try:
        launcher = check_tree(prefix)
        check_without_display(launcher, elsewhere)
    except game_session.CheckFailed as failure:
        print("FAILED (install tree): %s" % failure, file=sys.stderr)
        return 1

    game_dir = os.path.join(prefix, "share", "quirtal")
    session = game_session.GameSession(launcher, game_dir, os.path.join(artifacts, "run"),
                                       cwd=elsewhere)
    try:
        pics = screens.MenuPictures(game_dir)
        screens.wait_for_menu(session, pics, 0, 0, "the title picture of the installed game")
        session.quit_from_menu()
    except game_session.CheckFailed as failure:
        print("FAILED (installed game): %s" % failure, file=sys.stderr)
        print("game output:\n" + session.log_tail(), file=sys.stderr)
        return 1
    finally:
        session.close()
    print("passed: the installed game starts from another directory")
    return 0


if __name__ == "__main__":
    sys.exit(main())
