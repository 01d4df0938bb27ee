#!/usr/bin/env python3
"""How a network match between two real games feels, measured on the screen.

Two games on one Xvfb, side by side: `--host` and `--join 127.0.0.1`, both
through `--net-sim delay=100,jitter=20,loss=5`, neither with --computer. The
joiner is played by X key presses (XTest, the player 1 keys); the host's
person does nothing, so the ball waits at the kick-off and only the pressed
rod moves. Each trial presses W or S and watches a thin strip of each
window through the rod's figure: the time until it changes on the joiner's
screen (own rod, own screen) and on the host's (the peer's screen).

Then the connection is pulled: the host is stopped (SIGSTOP), and the
joiner's screen and messages are followed; the host is continued after a
while and followed the same way. Screenshots and a timeline go to OUT_DIR.

usage: bench/net_feel.py BUILD_DIR OUT_DIR [TRIALS]
The figures are for reading; nothing passes or fails here."""

import ctypes
import os
import signal
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
import game_session  # noqa: E402

LINE = "delay=100,jitter=20,loss=5"
WIDTH, HEIGHT = 800, 600
# The two windows on one screen: the joiner at the left, the host beside it.
JOINER_AT, HOST_AT = (0, 0), (820, 0)
# A strip pixel counts as changed past this difference in one channel, and a
# strip as changed with this many such pixels.
PIXEL_CHANGE = 40
STRIP_CHANGE = 6
HOLD_S = 0.35
SETTLE_S = 0.8
GIVE_UP_S = 2.0


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class Screen:
    """Grabs parts of the root window and sends keys through XTest."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            raise SystemExit("cannot open display " + display)
        self.root = self.x11.XDefaultRootWindow(self.display)

    def grab(self, left, top, width, height):
        """BGRX bytes of a rectangle of the screen."""
        image = self.x11.XGetImage(self.display, self.root, left, top, width, height, 0xffffffff, 2)
        size = image.contents.bytes_per_line * height
        data = ctypes.string_at(image.contents.data, size)
        self.x11.XDestroyImage(image)
        return data

    def focus(self, window):
        self.x11.XSetInputFocus(self.display, int(window), 1, 0)
        self.x11.XFlush(self.display)

    def key(self, name, down):
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.display, code, 1 if down else 0, 0)
        self.x11.XFlush(self.display)


def changed_pixels(before, after):
    if before == after:
        return 0
    count = 0
    for i in range(0, len(before), 4):
        if (abs(before[i] - after[i]) > PIXEL_CHANGE or abs(before[i + 1] - after[i + 1]) > PIXEL_CHANGE
                or abs(before[i + 2] - after[i + 2]) > PIXEL_CHANGE):
            count += 1
    return count


def save_ppm(path, bgrx, width, height):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (width, height))
        rgb = bytearray(width * height * 3)
        rgb[0::3] = bgrx[2::4]
        rgb[1::3] = bgrx[1::4]
        rgb[2::3] = bgrx[0::4]
        f.write(bytes(rgb))


# Where the table's rods are: below the spinning pair markers and the HUD,
# above the kick-off prompt.
TABLE_ROWS = (140, 380)


def moved_strip(screen, at, key):
    """The joiner's screen before and after holding the key: the column of the
    table that changed most (the pressed rod's figures) and the rows that
    changed in it. (left, top, width, height) in window pixels."""
    before = screen.grab(at[0], at[1], WIDTH, HEIGHT)
    screen.key(key, True)
    time.sleep(0.6)
    screen.key(key, False)
    time.sleep(1.0)
    after = screen.grab(at[0], at[1], WIDTH, HEIGHT)
    columns = {}
    for y in range(TABLE_ROWS[0], TABLE_ROWS[1]):
        for x in range(0, WIDTH, 2):
            i = (y * WIDTH + x) * 4
            if max(abs(before[i + c] - after[i + c]) for c in range(3)) > PIXEL_CHANGE:
                columns.setdefault(x, []).append(y)
    if not columns:
        raise SystemExit("holding %s moved nothing on the joiner's screen" % key)
    x = max(columns, key=lambda c: len(columns[c]))
    top, bottom = min(columns[x]), max(columns[x])
    return x - 4, top - 10, 8, bottom - top + 20


def log_lines(session):
    with open(session.log_path, "rb") as f:
        return f.read().decode(errors="replace").splitlines()


def wait_for_line(sessions, text, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if all(any(text in line for line in log_lines(s)) for s in sessions):
            return True
        time.sleep(0.2)
    return False


def measure_latency(screen, strip, trials, out):
    rows = []
    own_ms, peer_ms = [], []
    for trial in range(trials):
        key = "w" if trial % 2 == 0 else "s"
        rects = [(JOINER_AT[0] + strip[0], JOINER_AT[1] + strip[1], strip[2], strip[3]),
                 (HOST_AT[0] + strip[0], HOST_AT[1] + strip[1], strip[2], strip[3])]
        baseline = [screen.grab(*r) for r in rects]
        pressed = time.perf_counter()
        screen.key(key, True)
        seen = [None, None]
        while None in seen and time.perf_counter() - pressed < GIVE_UP_S:
            now = time.perf_counter()
            for side in (0, 1):
                if seen[side] is None and changed_pixels(baseline[side], screen.grab(*rects[side])) >= STRIP_CHANGE:
                    seen[side] = (now - pressed) * 1000.0
            if now - pressed > HOLD_S and seen[0] is not None:
                screen.key(key, False)
            time.sleep(0.002)
        screen.key(key, False)
        rows.append("%d\t%s\t%s\t%s" % (trial, key, "%.0f" % seen[0] if seen[0] else "-",
                                        "%.0f" % seen[1] if seen[1] else "-"))
        if seen[0] is not None:
            own_ms.append(seen[0])
        if seen[1] is not None:
            peer_ms.append(seen[1])
        time.sleep(SETTLE_S)
    with open(os.path.join(out, "latency.tsv"), "w") as f:
        f.write("trial\tkey\town screen ms\tpeer screen ms\n" + "\n".join(rows) + "\n")
    return own_ms, peer_ms


def summary(name, values):
    if not values:
        return "%s: no changes seen" % name
    values = sorted(values)
    return "%s: median %.0f ms, min %.0f, max %.0f, 90th %.0f (n=%d)" % (
        name, statistics.median(values), values[0], values[-1], values[int(0.9 * (len(values) - 1))], len(values))


def follow(session, label, screen, at, out, since, seconds, shots):
    """The session's new log lines and screenshots at the given times after `since`."""
    seen = len(log_lines(session))
    timeline = []
    pending = sorted(shots)
    while time.monotonic() - since < seconds:
        lines = log_lines(session)
        for line in lines[seen:]:
            timeline.append("%6.2f s  %s: %s" % (time.monotonic() - since, label, line))
        seen = len(lines)
        if pending and time.monotonic() - since >= pending[0]:
            name = "%s-%04.1fs.ppm" % (label, pending.pop(0))
            save_ppm(os.path.join(out, name), screen.grab(at[0], at[1], WIDTH, HEIGHT), WIDTH, HEIGHT)
        time.sleep(0.05)
    return timeline


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    build = os.path.abspath(sys.argv[1])
    out = os.path.abspath(sys.argv[2])
    trials = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    os.makedirs(out, exist_ok=True)
    binary = os.path.join(build, "quirtal")
    server = game_session.XServer(1640, 620)

    class Alone:
        window = "none"
    Alone.server = server
    host = joiner = None
    report = []
    try:
        host = game_session.GameSession(binary, build, os.path.join(out, "host"),
                                        arguments=("--host", "--seed", "5", "--net-sim", LINE), beside=Alone)
        time.sleep(2.0)
        joiner = game_session.GameSession(binary, build, os.path.join(out, "joiner"),
                                          arguments=("--join", "127.0.0.1", "--net-sim", LINE), beside=host)
        for session, at in ((joiner, JOINER_AT), (host, HOST_AT)):
            session._xdotool("windowmove", session.window, at[0], at[1])
        if not (wait_for_line([host], "playing as the host", 60) and wait_for_line([joiner], "playing as the guest", 60)):
            raise SystemExit("the two games did not meet:\n" + host.log_tail() + "\n" + joiner.log_tail())
        time.sleep(3.0)
        screen = Screen(server.display)
        for session in (joiner, host):
            session.tap("F2")
        screen.focus(joiner.window)
        time.sleep(1.0)
        save_ppm(os.path.join(out, "both-at-start.ppm"), screen.grab(0, 0, 1640, 620), 1640, 620)
        strip = moved_strip(screen, JOINER_AT, "w")
        moved_strip(screen, JOINER_AT, "s")
        report.append("watched strip: x %d-%d, y %d-%d of each window" % (strip[0], strip[0] + strip[2], strip[1],
                                                                          strip[1] + strip[3]))
        load = os.getloadavg()
        own, peer = measure_latency(screen, strip, trials, out)
        report.append(summary("key to own rod on own screen (joiner)", own))
        report.append(summary("key to the same rod on the peer's screen (host)", peer))
        report.append("load average before: %.2f %.2f %.2f, after: %.2f %.2f %.2f"
                      % (load + os.getloadavg()))
        save_ppm(os.path.join(out, "both-after-trials.ppm"), screen.grab(0, 0, 1640, 620), 1640, 620)

        # The connection pulled: the host stops answering.
        os.kill(host.process.pid, signal.SIGSTOP)
        stopped = time.monotonic()
        timeline = ["%6.2f s  host stopped (SIGSTOP)" % 0.0]
        timeline += follow(joiner, "joiner", screen, JOINER_AT, out, stopped, 6.0, [0.1, 0.5, 1.0, 2.0, 3.5, 5.0])
        os.kill(host.process.pid, signal.SIGCONT)
        resumed = time.monotonic()
        timeline.append("%6.2f s  host continued (SIGCONT)" % (resumed - stopped))
        timeline += [line.replace("host:", "host (after SIGCONT):")
                     for line in follow(host, "host", screen, HOST_AT, out, resumed, 4.0, [0.3, 1.0, 3.0])]
        with open(os.path.join(out, "pulled.txt"), "w") as f:
            f.write("\n".join(timeline) + "\n")
        report += timeline
    finally:
        for session in (joiner, host):
            if session is not None:
                if session.process.poll() is None:
                    os.kill(session.process.pid, signal.SIGCONT)
                session.close()
        server.stop()
    with open(os.path.join(out, "report.txt"), "w") as f:
        f.write("\n".join(report) + "\n")
    print("\n".join(report))
    return 0


if __name__ == "__main__":
    sys.exit(main())
