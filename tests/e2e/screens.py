"""The menu and credits screens as the player should see them, composed from
the data set's pictures (decoded by ImageMagick) with the game's blending
rules, and the checks that compare a screenshot with them."""

import os

import pictures
from game_session import check

# Lower-left corners of the 64 x 64 selection marker, by menu entry; entry 5
# (player 2's side) and entry 6 (the settings) stand between the rod choice and the credits,
# entry 7 ("Network") beside the credits.
MARKER_CORNERS = {0: (405, 135), 1: (290, 425), 2: (215, 350), 3: (250, 112), 4: (290, 50), 5: (215, 250),
                  6: (250, 172), 7: (500, 76)}
MARKER_SIZE = 64
MODE_RECT = (340, 468, 334, 366)
OPPONENT_RECT = (320, 520, 234, 266)
# The computer's strength ("easy", "normal", "hard") is the last word of the
# picture: that part tells the sides apart.
OPPONENT_WORD_RECT = (430, 515, 234, 266)
# Player 2's side by GameState::opponent: a person, the computer easy, normal, hard.
OPPONENT_PICTURES = {0: "gegner_mensch", 1: "gegner_leicht", 2: "gegner_normal", 3: "gegner_schwer"}

# Mean difference (0..255) a matching region may show: filtering and
# stretching of the textures differ a little from ImageMagick's resize.
MATCH_TOLERANCE = 8.0
# Where black text is written over a masked picture (score board, frame
# rate), the picture itself still dominates: the wrong way up or missing it
# differs by 90 and more.
TEXT_TOLERANCE = 25.0
# A right picture must beat every wrong one by at least this much, so a
# check cannot pass on a region where the candidates look alike.
DISTINCT_MARGIN = 6.0


class MenuPictures:
    def __init__(self, root, width=pictures.FRAME_WIDTH, height=pictures.FRAME_HEIGHT):
        self.width, self.height = width, height
        self.menu_dir = os.path.join(root, "data", "menu")
        self.title = self._full("menu_intro.bmp")
        self.menu = self._full("menu.bmp")
        self.credits = self._full("credits.bmp")
        marker_box = self.box((0, MARKER_SIZE, 0, MARKER_SIZE))
        self.marker = self._pair("select", marker_box)
        mode_box = self.box(MODE_RECT)
        self.modes = {0: self._pair("automatic", mode_box), 1: self._pair("manuell", mode_box)}
        opponent_box = self.box(OPPONENT_RECT)
        self.opponents = {side: self._pair(stem, opponent_box) for side, stem in OPPONENT_PICTURES.items()}

    def _path(self, name):
        return os.path.join(self.menu_dir, name)

    def _full(self, name):
        return pictures.decode_file(self._path(name), self.width, self.height)

    def _pair(self, stem, box):
        # Masked pictures are drawn with t = 0 on their bottom edge, so they
        # show the file the way ImageMagick shows it.
        w, h = box.right - box.left, box.bottom - box.top
        return (pictures.decode_file(self._path(stem + "_alpha.bmp"), w, h),
                pictures.decode_file(self._path(stem + ".bmp"), w, h))

    def box(self, rect):
        return pictures.frame_box(*rect, width=self.width, height=self.height)

    def marker_box(self, selection):
        x, y = MARKER_CORNERS.get(selection, MARKER_CORNERS[0])
        return self.box((x, x + MARKER_SIZE, y, y + MARKER_SIZE))

    def mode_box(self):
        return self.box(MODE_RECT)

    def compose(self, selection, mode=None, markers=None, opponent=0):
        """The menu frame for a selection; mode None leaves the mode picture
        and player 2's side out (the title picture shows neither); markers
        lists the entries whose marker squares are drawn (the selection's
        alone by default); opponent None leaves player 2's side out."""
        screen = (self.title if selection == 0 else self.menu).copy()
        mask, picture = self.marker
        for entry in (markers if markers is not None else [selection]):
            pictures.paste_masked(screen, mask, picture, self.marker_box(entry))
        if mode is not None:
            mask, picture = self.modes[mode]
            pictures.paste_masked(screen, mask, picture, self.mode_box())
            if opponent is not None:
                mask, picture = self.opponents[opponent]
                pictures.paste_masked(screen, mask, picture, self.box(OPPONENT_RECT))
        return screen

    def expected_menu(self, selection, mode, opponent=0):
        return self.compose(selection, None if selection == 0 else mode, opponent=opponent)


class OverlayPicture:
    """A masked overlay picture of the match drawn "inverted": the file's
    first stored row along the rectangle's top edge."""

    def __init__(self, root, picture, mask, rect, width=pictures.FRAME_WIDTH,
                 height=pictures.FRAME_HEIGHT):
        folder = os.path.join(root, "data", "interface")
        self.box = pictures.frame_box(*rect, width=width, height=height)
        w, h = self.box.right - self.box.left, self.box.bottom - self.box.top
        path = os.path.join(folder, picture)
        # ImageMagick shows the top row first; a bottom-up file stores the
        # bottom row first, which the game puts at the top.
        flip = pictures.bmp_bottom_up(path)
        self.picture = pictures.decode_file(path, w, h, flip=flip)
        self.mask = pictures.decode_file(os.path.join(folder, mask), w, h, flip=flip)

    def difference(self, shot):
        """Mean difference from the picture where its mask is black."""
        return pictures.difference_under_mask(shot, self.mask, self.picture, self.box)

    def shown(self, shot, tolerance=None):
        """tolerance: TEXT_TOLERANCE where the game writes text over the
        picture."""
        difference = self.difference(shot)
        return difference is not None and difference <= (tolerance or MATCH_TOLERANCE)


def region_matches(shot, expected, wrong, box, what, step=1):
    """Whether box of shot matches expected within tolerance and is closer to
    it than to each wrong candidate by the margin. Returns (ok, detail)."""
    region = pictures.shrink(box, 2)
    right = pictures.mean_difference(shot, expected, region, step)
    detail = "%s: difference %.1f from the expected picture" % (what, right)
    if right > MATCH_TOLERANCE:
        return False, detail
    for name, candidate in wrong:
        other = pictures.mean_difference(shot, candidate, region, step)
        detail += ", %.1f from %s" % (other, name)
        if other < right + DISTINCT_MARGIN:
            return False, detail
    return True, detail


class ScreenCheck:
    """A predicate over screenshots made of region checks; keeps the detail
    of the last comparison for the failure message."""

    def __init__(self, checks):
        self.checks = checks
        self.detail = ""

    def __call__(self, shot):
        self.detail = ""
        for box, expected, wrong, what, step in self.checks:
            ok, detail = region_matches(shot, expected, wrong, box, what, step)
            self.detail += detail + "; "
            if not ok:
                return False
        return True


def menu_shows(pics, selection, mode, opponent=0):
    """The menu at selection with the mode picture of mode and player 2's
    side: the whole frame, every marker square (the marker where it belongs
    and nowhere else), the mode rectangle and the side's rectangle."""
    expected = pics.expected_menu(selection, mode, opponent)
    shown_mode = None if selection == 0 else mode
    corner = MARKER_CORNERS.get(selection, MARKER_CORNERS[0])
    full = pictures.Box(0, 0, pics.width, pics.height)
    checks = [(full, expected, [], "menu frame", 3)]
    for entry, other_corner in MARKER_CORNERS.items():
        if other_corner == corner:
            elsewhere = 1 if selection != 1 else 2
            wrong = [("no marker here", pics.compose(selection, shown_mode, [elsewhere], opponent))]
            checks.append((pics.marker_box(entry), expected, wrong, "marker square", 1))
        else:
            wrong = [("a marker here", pics.compose(selection, shown_mode, [selection, entry], opponent))]
            checks.append((pics.marker_box(entry), expected, wrong, "square of entry %d" % entry, 1))
    if selection == 0:
        wrong = [("a mode picture", pics.compose(0, mode))]
    else:
        wrong = [("the other mode picture", pics.compose(selection, 1 - mode, opponent=opponent)),
                 ("no mode picture", pics.compose(selection, None))]
    checks.append((pics.mode_box(), expected, wrong, "mode rectangle", 1))
    if selection == 0:
        wrong = [("player 2's side", pics.compose(0, 0, opponent=opponent))]
    else:
        wrong = [("side %d" % other, pics.compose(selection, mode, opponent=other))
                 for other in OPPONENT_PICTURES if other != opponent]
        wrong.append(("no side", pics.compose(selection, mode, opponent=None)))
    checks.append((pics.box(OPPONENT_WORD_RECT), expected, wrong, "player 2's side", 1))
    return ScreenCheck(checks)


def credits_shown(pics):
    full = pictures.Box(0, 0, pics.width, pics.height)
    wrong = [("the menu", pics.menu), ("the title", pics.title)]
    return ScreenCheck([(full, pics.credits, wrong, "credits screen", 3)])


def wait_for_screen(session, predicate, what):
    try:
        return session.wait_for(what, predicate)
    except Exception:
        print("last comparison: " + predicate.detail)
        raise


def wait_for_menu(session, pics, selection, mode, what, opponent=0):
    return wait_for_screen(session, menu_shows(pics, selection, mode, opponent), what)


def check_is_picture(shot):
    """The first frame is a picture, not an empty black window."""
    full = pictures.Box(0, 0, shot.width, shot.height)
    check(pictures.spread(shot, full) > 10.0, "the window shows a blank frame")
