#!/usr/bin/env python3
"""The real game binary (a sanitizer build, from `make soak`) played with
random keys for a while on its own Xvfb, then ended through its own exit path
(Esc back to the menu, Esc to quit). Passes when every run ended with status
0 and printed no sanitizer report. A random Enter on "quit" ends a run early;
the next one then starts.
usage: game_soak.py QUIRTAL_BINARY DATA_ROOT ARTIFACT_DIR [SECONDS [SEED]]"""

import os
import random
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
import game_session  # noqa: E402
from game_session import check  # noqa: E402

KEYS = ["w", "s", "d", "a", "i", "k", "l", "j", "q", "8", "5", "6", "4", "7", "Up", "Down", "Left",
        "Right", "Return", "space", "1", "2", "3", "F1", "F2", "F3", "F7", "p", "Escape"]
REPORTS = (b"ERROR: AddressSanitizer", b"ERROR: LeakSanitizer", b"runtime error:")


def one_run(binary, root, artifacts, rng, until):
    session = game_session.GameSession(binary, root, artifacts)
    try:
        while time.monotonic() < until and session.process.poll() is None:
            keys = [rng.choice(KEYS) for _ in range(rng.randint(1, 6))]
            # Esc twice in a row would leave the game from a match.
            keys = [k for i, k in enumerate(keys) if not (k == "Escape" and "Escape" in keys[:i])]
            session.taps(keys, rng.randint(10, 200))
            time.sleep(rng.uniform(0.0, 0.3))
        for _ in range(3):
            if session.process.poll() is not None:
                break
            session.tap("Escape")
            time.sleep(1.0)
        status = session.wait_for_exit(timeout=60)
        with open(session.log_path, "rb") as log:
            output = log.read()
        check(not any(report in output for report in REPORTS),
              "a sanitizer report (see %s)" % session.log_path)
        check(status == 0, "the game ended with status %d (see %s)" % (status, session.log_path))
    finally:
        session.close()


def main():
    if len(sys.argv) < 4:
        print(__doc__.splitlines()[-1], file=sys.stderr)
        return 2
    binary, root, artifacts = sys.argv[1:4]
    seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 300.0
    rng = random.Random(int(sys.argv[5]) if len(sys.argv) > 5 else 7)
    until = time.monotonic() + seconds
    runs = 0
    try:
        while runs == 0 or time.monotonic() < until:
            runs += 1
            one_run(os.path.abspath(binary), root, os.path.join(artifacts, "run%d" % runs), rng, until)
    except game_session.CheckFailed as failure:
        print("FAILED (game soak, run %d): %s" % (runs, failure), file=sys.stderr)
        return 1
    print("passed: game soak, %d runs in %.0f s" % (runs, seconds))
    return 0


if __name__ == "__main__":
    sys.exit(main())
