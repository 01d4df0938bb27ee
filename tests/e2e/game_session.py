"""One run of the real game binary on a private Xvfb server, driven by X
input events from xdotool and watched through screenshots of its window."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pictures

WINDOW_TITLE = "Quirtal Orvelcup"

# Software rendering under Xvfb draws a few frames per second at most, and
# CTest may run other suites beside this one: waits are generous, and every
# wait polls for the state it expects instead of sleeping a fixed time.
DEFAULT_WAIT = 90.0
POLL_PAUSE = 0.25


class CheckFailed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise CheckFailed(message)


class XServer:
    """A private Xvfb; the display number comes back through -displayfd so
    that parallel runs never race for one."""

    def __init__(self, width=1024, height=768):
        self.size = (width, height)
        read_end, write_end = os.pipe()
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (width, height),
             "-nolisten", "tcp", "+extension", "GLX", "-noreset"],
            pass_fds=(write_end,), stdout=self.log, stderr=self.log)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        check(number != "", "Xvfb did not start")
        self.display = ":" + number

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class GameSession:
    """The game started in directory root (where its data/ lives), with
    message boxes sent to standard error and the dummy audio driver.
    arguments go on its command line; "{display}" among them stands for the
    private server, which the game then finds without DISPLAY."""

    def __init__(self, binary, root, artifacts, cwd=None, arguments=(), beside=None):
        """beside: another session whose X server this one shares (its
        window is then the one that session's is not)."""
        self.root = root
        self.binary = binary
        self.artifacts = artifacts
        os.makedirs(artifacts, exist_ok=True)
        self.owns_server = beside is None
        self.server = XServer() if beside is None else beside.server
        self.others = () if beside is None else (beside.window,)
        self.env = dict(os.environ)
        # Settings of its own, so that no run reads or changes the user's.
        self.env.update(DISPLAY=self.server.display, QUIRTAL_NO_MESSAGE_BOX="1",
                        SDL_AUDIODRIVER="dummy", LIBGL_ALWAYS_SOFTWARE="1",
                        XDG_CONFIG_HOME=os.path.join(artifacts, "config"))
        # Replays of its own too, unless the scenario chose a folder.
        self.env.setdefault("XDG_DATA_HOME", os.path.join(artifacts, "data-home"))
        self.log_path = os.path.join(artifacts, "game.log")
        self.log = open(self.log_path, "wb")
        game_env = dict(self.env)
        if "{display}" in arguments:
            del game_env["DISPLAY"]
        command = [binary] + [a.replace("{display}", self.server.display) for a in arguments]
        self.process = subprocess.Popen(command, cwd=cwd or root, env=game_env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self.window = self._find_window()
        self.shots = 0

    def _xdotool(self, *args):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)

    def _find_window(self):
        deadline = time.monotonic() + DEFAULT_WAIT
        while time.monotonic() < deadline:
            check(self.process.poll() is None,
                  "the game ended before opening its window (status %s)" % self.process.returncode)
            found = self._xdotool("search", "--name", "^%s$" % WINDOW_TITLE)
            ids = [i.decode() for i in found.stdout.split() if i.decode() not in self.others]
            if ids:
                return ids[0]
            time.sleep(POLL_PAUSE)
        raise CheckFailed("no window titled %r appeared" % WINDOW_TITLE)

    # Input. Keys go straight to the window (there is no window manager to
    # give it the focus); the pointer moves inside the window.

    def tap(self, key):
        self._xdotool("key", "--window", self.window, key)

    def taps(self, keys, delay_ms):
        """Several keys from one xdotool call, delay_ms apart."""
        self._xdotool("key", "--window", self.window, "--delay", delay_ms, *keys)

    def press(self, key):
        self._xdotool("keydown", "--window", self.window, key)

    def release(self, key):
        self._xdotool("keyup", "--window", self.window, key)

    def drag(self, button, start, end, steps=8):
        self._xdotool("mousemove", "--window", self.window, start[0], start[1])
        self._xdotool("mousedown", button)
        for i in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * i // steps
            y = start[1] + (end[1] - start[1]) * i // steps
            self._xdotool("mousemove", "--window", self.window, x, y)
            time.sleep(0.05)
        self._xdotool("mouseup", button)

    # Output.

    def screenshot(self, name=None):
        check(self.process.poll() is None,
              "the game ended unexpectedly (status %s)" % self.process.returncode)
        blob = subprocess.run(["import", "-silent", "-window", self.window, "-depth", "8", "ppm:-"],
                              env=self.env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              check=True, timeout=60).stdout
        shot = pictures.parse_ppm(blob)
        if name:
            self.save(shot, name)
        return shot

    def save(self, shot, name):
        self.shots += 1
        path = os.path.join(self.artifacts, "%02d-%s.ppm" % (self.shots, name))
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (shot.width, shot.height))
            f.write(bytes(shot.data))

    def wait_for(self, what, predicate, timeout=DEFAULT_WAIT):
        """Polls screenshots until predicate(shot) holds; the last shot is
        kept as evidence when it never does."""
        deadline = time.monotonic() + timeout
        shot = None
        while True:
            shot = self.screenshot()
            if predicate(shot):
                return shot
            if time.monotonic() > deadline:
                self.save(shot, "failed-" + what.replace(" ", "-"))
                raise CheckFailed("timed out waiting for: " + what)
            time.sleep(POLL_PAUSE)

    def wait_for_exit(self, timeout=DEFAULT_WAIT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise CheckFailed("the game did not end")

    def leave_match(self):
        """Esc in a match asks "Leave the match?"; Enter answers it."""
        self.tap("Escape")
        time.sleep(0.3)
        self.tap("Return")

    def quit_from_menu(self):
        """Esc in the menu ends the program at once, with status 0."""
        self.tap("Escape")
        status = self.wait_for_exit()
        check(status == 0, "Esc in the menu ended the program with status %d" % status)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()
        if self.owns_server:
            self.server.stop()

    def log_tail(self, lines=30):
        with open(self.log_path, "rb") as f:
            text = f.read().decode(errors="replace").splitlines()
        return "\n".join(text[-lines:])


def scenario_arguments(first):
    """The three command-line arguments of a scenario (first names the first
    one), with the artifact folder emptied; None after a usage line."""
    if len(sys.argv) != 4:
        print("usage: %s %s REPOSITORY_ROOT ARTIFACT_DIR" % (sys.argv[0], first), file=sys.stderr)
        return None
    artifacts = sys.argv[3]
    if os.path.isdir(artifacts):
        shutil.rmtree(artifacts)
    return sys.argv[1:4]


def run_scenario(scenario, description, arguments=()):
    """Command-line entry of a scenario: quirtal binary, repository root and a
    folder for screenshots of failures; arguments go to the game."""
    paths = scenario_arguments("QUIRTAL_BINARY")
    if not paths:
        return 2
    binary, root, artifacts = paths
    for tool in ("Xvfb", "xdotool", "import", "convert"):
        if shutil.which(tool) is None:
            print("missing tool: " + tool, file=sys.stderr)
            return 2
    if not os.path.isdir(os.path.join(root, "data")):
        print("no data/ below %s: generate the data set first" % root, file=sys.stderr)
        return 2
    session = GameSession(binary, root, artifacts, arguments=arguments)
    try:
        scenario(session)
    except CheckFailed as failure:
        print("FAILED (%s): %s" % (description, failure), file=sys.stderr)
        print("game output:\n" + session.log_tail(), file=sys.stderr)
        print("screenshots in " + artifacts, file=sys.stderr)
        return 1
    finally:
        session.close()
    print("passed: " + description)
    return 0
