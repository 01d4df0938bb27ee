"""Pictures for the end-to-end checks: screenshots and data files decoded by
ImageMagick, the expected screens composed from the data files the way the
game blends them, region comparisons with tolerance, and the projection of
table points onto the window."""

import math
import subprocess

# The two-dimensional screens use an 800 x 600 frame with the origin at the
# bottom left, stretched over the window.
FRAME_WIDTH = 800
FRAME_HEIGHT = 600


class Picture:
    """Packed 8-bit RGB rows, top row first (as ImageMagick writes PPM)."""

    def __init__(self, width, height, data):
        self.width = width
        self.height = height
        self.data = bytearray(data)

    def pixel(self, col, row):
        i = (row * self.width + col) * 3
        return self.data[i], self.data[i + 1], self.data[i + 2]

    def copy(self):
        return Picture(self.width, self.height, self.data)


def parse_ppm(blob):
    """Reads a binary P6 picture with 8-bit samples."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while blob[pos:pos + 1].isspace():
            pos += 1
        if blob[pos:pos + 1] == b"#":
            while blob[pos:pos + 1] not in (b"\n", b""):
                pos += 1
            continue
        start = pos
        while not blob[pos:pos + 1].isspace():
            pos += 1
        fields.append(blob[start:pos])
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError("not an 8-bit P6 picture")
    width, height = int(fields[1]), int(fields[2])
    pos += 1
    data = blob[pos:pos + width * height * 3]
    if len(data) != width * height * 3:
        raise ValueError("truncated picture")
    return Picture(width, height, data)


def decode_file(path, width=None, height=None, flip=False):
    """Decodes a picture file with ImageMagick, optionally stretched to
    width x height by bilinear sampling at pixel centres (what GL_LINEAR
    does without mipmaps) and flipped top to bottom."""
    args = ["convert", path]
    if flip:
        args.append("-flip")
    if width is not None:
        args += ["-interpolate", "Bilinear", "-interpolative-resize", "%dx%d!" % (width, height)]
    args += ["-depth", "8", "ppm:-"]
    return parse_ppm(subprocess.run(args, check=True, stdout=subprocess.PIPE).stdout)


def bmp_bottom_up(path):
    """True when the BMP stores its bottom row first (positive height)."""
    with open(path, "rb") as f:
        header = f.read(26)
    height = int.from_bytes(header[22:26], "little", signed=True)
    return height > 0


class Box:
    """A pixel rectangle of a picture: columns [left, right), rows [top, bottom)."""

    def __init__(self, left, top, right, bottom):
        self.left, self.top, self.right, self.bottom = left, top, right, bottom

    def clipped(self, width, height):
        return Box(max(0, self.left), max(0, self.top),
                   min(width, self.right), min(height, self.bottom))

    def area(self):
        return max(0, self.right - self.left) * max(0, self.bottom - self.top)

    def __repr__(self):
        return "Box(%d, %d, %d, %d)" % (self.left, self.top, self.right, self.bottom)


def frame_box(x0, x1, y0, y1, width=FRAME_WIDTH, height=FRAME_HEIGHT):
    """The pixels of an 800 x 600 frame rectangle (x from-to, y from-to with
    y up from the bottom) in a window of the given size."""
    sx = width / FRAME_WIDTH
    sy = height / FRAME_HEIGHT
    return Box(int(round(x0 * sx)), int(round(height - y1 * sy)),
               int(round(x1 * sx)), int(round(height - y0 * sy)))


def shrink(box, margin):
    """The box without a border of margin pixels, where filtering blurs edges."""
    return Box(box.left + margin, box.top + margin, box.right - margin, box.bottom - margin)


def _coords(picture, box, step):
    box = box.clipped(picture.width, picture.height)
    for row in range(box.top, box.bottom, step):
        base = row * picture.width
        for col in range(box.left, box.right, step):
            yield (base + col) * 3


def mean_difference(a, b, box, step=1):
    """Mean absolute difference of the colour samples of two equally sized
    pictures inside box, in 0..255."""
    total = 0
    count = 0
    da, db = a.data, b.data
    for i in _coords(a, box, step):
        total += abs(da[i] - db[i]) + abs(da[i + 1] - db[i + 1]) + abs(da[i + 2] - db[i + 2])
        count += 3
    return total / count if count else 0.0


def changed_fraction(a, b, box, threshold=48, step=1):
    """Share of the pixels in box whose largest channel difference exceeds
    threshold."""
    changed = 0
    count = 0
    da, db = a.data, b.data
    for i in _coords(a, box, step):
        diff = max(abs(da[i] - db[i]), abs(da[i + 1] - db[i + 1]), abs(da[i + 2] - db[i + 2]))
        if diff > threshold:
            changed += 1
        count += 1
    return changed / count if count else 0.0


def dark_fraction(picture, box, level=24, step=2):
    """Share of the pixels in box whose every channel is at most level."""
    dark = 0
    count = 0
    d = picture.data
    for i in _coords(picture, box, step):
        if d[i] <= level and d[i + 1] <= level and d[i + 2] <= level:
            dark += 1
        count += 1
    return dark / count if count else 0.0


def spread(picture, box, step=4):
    """Standard deviation of the sample values in box: near 0 for a blank
    area, large for a picture."""
    values = []
    d = picture.data
    for i in _coords(picture, box, step):
        values.extend((d[i], d[i + 1], d[i + 2]))
    if not values:
        return 0.0
    mean = sum(values) / len(values)
    return math.sqrt(sum((v - mean) ** 2 for v in values) / len(values))


def paste_masked(target, mask, picture, box):
    """Draws a masked picture as the game does: the frame buffer multiplied
    by the mask (GL_DST_COLOR, GL_ZERO), then the picture added (GL_ONE,
    GL_ONE) with saturation. mask and picture are already box-sized."""
    for row in range(box.bottom - box.top):
        for col in range(box.right - box.left):
            t = ((box.top + row) * target.width + box.left + col) * 3
            s = (row * mask.width + col) * 3
            for c in range(3):
                value = target.data[t + c] * mask.data[s + c] // 255 + picture.data[s + c]
                target.data[t + c] = min(255, value)


def difference_under_mask(shot, mask, picture, box, level=10):
    """Mean difference between shot and picture over the pixels of box where
    the (box-sized) mask is black: there a masked picture replaces whatever
    lies behind it. None when the mask has no black pixel."""
    total = 0
    count = 0
    width = box.right - box.left
    for row in range(box.bottom - box.top):
        base = ((box.top + row) * shot.width + box.left) * 3
        for col in range(width):
            i = (row * width + col) * 3
            if mask.data[i] <= level and mask.data[i + 1] <= level and mask.data[i + 2] <= level:
                j = base + col * 3
                total += (abs(shot.data[j] - picture.data[i]) + abs(shot.data[j + 1] - picture.data[i + 1])
                          + abs(shot.data[j + 2] - picture.data[i + 2]))
                count += 3
    return total / count if count else None


def vector_sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def vector_cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def vector_normalized(a):
    length = math.sqrt(a[0] ** 2 + a[1] ** 2 + a[2] ** 2)
    return (a[0] / length, a[1] / length, a[2] / length)


def vector_dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


class View:
    """The play frame's camera: pitch and yaw of the mouse view, then
    gluLookAt, under a 60-degree perspective of the window's aspect."""

    def __init__(self, eye, center, pitch=10.0, yaw=0.0, width=FRAME_WIDTH, height=FRAME_HEIGHT):
        self.eye, self.center = eye, center
        self.pitch, self.yaw = pitch, yaw
        self.width, self.height = width, height

    def to_eye_space(self, point):
        forward = vector_normalized(vector_sub(self.center, self.eye))
        side = vector_normalized(vector_cross(forward, (0.0, 1.0, 0.0)))
        upward = vector_cross(side, forward)
        rel = vector_sub(point, self.eye)
        x, y, z = vector_dot(side, rel), vector_dot(upward, rel), -vector_dot(forward, rel)
        x += self.yaw / 2.0
        a = math.radians(self.yaw)
        x, z = math.cos(a) * x + math.sin(a) * z, -math.sin(a) * x + math.cos(a) * z
        a = math.radians(self.pitch)
        y, z = math.cos(a) * y - math.sin(a) * z, math.sin(a) * y + math.cos(a) * z
        return x, y, z

    def project(self, point):
        """Window pixel (column, row from the top) of a table point."""
        x, y, z = self.to_eye_space(point)
        focal = 1.0 / math.tan(math.radians(30.0))
        aspect = self.width / self.height
        ndc_x = focal / aspect * x / -z
        ndc_y = focal * y / -z
        return (ndc_x + 1.0) / 2.0 * self.width, self.height - (ndc_y + 1.0) / 2.0 * self.height

    def box_of(self, low, high, margin=2):
        """Pixel box around the projection of a table-space box."""
        cols, rows = [], []
        for x in (low[0], high[0]):
            for y in (low[1], high[1]):
                for z in (low[2], high[2]):
                    col, row = self.project((x, y, z))
                    cols.append(col)
                    rows.append(row)
        return Box(int(min(cols)) - margin, int(min(rows)) - margin,
                   int(max(cols)) + margin + 1, int(max(rows)) + margin + 1).clipped(self.width, self.height)
