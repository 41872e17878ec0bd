# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Measures, from screenshots, how well every text of the window reads under three colour
schemes: the default light one, qt6ct's "darker" and a black high-contrast one.

For each scheme the program runs on a private X server with a short session typed and clicked
in (a combination, a base set of nine, auto-filled), so that the picked numbers and the play
numbers are shown. Each text's area is then read from the screenshot: its background is the
colour most of the area has, and WCAG's contrast ratio is measured on the glyphs as drawn.
Small text is smoothed, and a thin stroke seldom covers a whole pixel, so a glyph's strongest
pixel (the pixel that differs most from the background) is often its colour blended with some
of the background. Each glyph (each connected patch of pixels that stand out from the
background, the lines of frames and buttons left aside) counts with its strongest pixel:

- the typical glyph of every text, the median of its glyphs, must reach 4.5:1;
- every glyph of the picked numbers and the play numbers, whose colours the program chooses
  itself, must reach 4.5:1 too (texts in the desktop's own colours have glyphs as thin as an
  "l" that even black on light grey draws at about 4.3:1);
- on the light scheme the picked numbers must stay dark red and the play numbers dark blue.

Usage: contrast_check.py PROGRAM OUTPUT_FOLDER
Prints a table of the ratios and leaves the screenshots and the table in OUTPUT_FOLDER. Every
process started here is stopped by its own process id, whatever the outcome.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
TITLE = "Drawlet Exclusion / Inclusion Selector"
READABLE = 4.5
SKIP = 77

SCHEMES = {
    "light": None,
    "darker": "/usr/share/qt6ct/colors/darker.conf",
    "high contrast": os.path.join(HERE, "high-contrast.conf"),
}

# The areas of the texts in window pixels (left, top, width, height), from the places of the
# controls. Buttons and boxes are taken inside their frames; option buttons right of their
# indicator; frame titles on their title line.
TEXTS = {
    "Label3 picked numbers": (222, 81, 396, 62),
    "Label5 play numbers": (222, 461, 396, 62),
    "Label4 pick size caption": (4, 4, 201, 13),
    "Label10 Enter Drawlets Here": (4, 40, 201, 13),
    "Label1 combinations caption": (4, 84, 201, 13),
    "Label2 quantity caption": (212, 4, 417, 17),
    "Label7 Base Set Numbers": (212, 160, 417, 17),
    "Label8 explanation": (212, 176, 417, 29),
    "Label6 Type of Selection -": (212, 424, 108, 13),
    "Frame1 title": (220, 64, 180, 14),
    "Frame2 title": (220, 312, 140, 14),
    "Frame3 title": (220, 444, 120, 14),
    "Frame4 title": (220, 208, 140, 14),
    "lstNumbers line": (8, 103, 190, 14),
    "txtSelNumbers(0) text": (223, 330, 15, 13),
    "optExclusion Exclude": (344, 425, 52, 15),
    "Option1(1) 1": (288, 225, 10, 15),
    "cmdPick Pick": (216, 42, 409, 13),
    "Command1 auto-fill": (216, 274, 409, 13),
    "cmdClearBaseSet": (216, 294, 409, 13),
    "cmdClearComb": (8, 515, 193, 15),
    "cmdClear Clear All": (8, 543, 617, 15),
}

DESIGN = {"Label3 picked numbers": (128, 0, 0), "Label5 play numbers": (0, 0, 128)}


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


# A pixel belongs to a glyph when it stands this far from the background: the faintest
# smoothing at a glyph's edge and the shading of a button are left out.
INK = 1.5
# Patches smaller than this are specks of smoothing, not glyphs.
SMALLEST_GLYPH = 3


def read_png(path):
    """The 8-bit RGB or RGBA PNGs ImageMagick writes, as (width, rows of RGB tuples)."""
    with open(path, "rb") as f:
        data = f.read()
    pos, idat, width, height, channels = 8, b"", 0, 0, 0
    while pos < len(data):
        length = int.from_bytes(data[pos:pos + 4], "big")
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height = int.from_bytes(body[0:4], "big"), int.from_bytes(body[4:8], "big")
            if body[8] != 8 or body[9] not in (2, 6) or body[12] != 0:
                raise ValueError(f"{path}: not an 8-bit RGB(A) PNG")
            channels = 3 if body[9] == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, stride, rows, previous = zlib.decompress(idat), width * channels, [], None
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        up = previous or bytearray(stride)
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            upper_left = up[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up[x]) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up[x]) // 2) & 255
            elif kind == 4:
                p = left + up[x] - upper_left
                pa, pb, pc = abs(p - left), abs(p - up[x]), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else up[x] if pb <= pc else upper_left
                line[x] = (line[x] + predictor) & 255
        previous = line
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, channels)])
    return rows


def measure(rows, area):
    """(background, text colour, ratio) of one text area; the text is None when it is empty."""
    left, top, width, height = area
    pixels = [rows[y][x] for y in range(top, top + height) for x in range(left, left + width)]
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    background = max(counts, key=counts.get)
    text = max(pixels, key=lambda p: contrast(p, background))
    if text == background:
        return background, None, None
    return background, text, contrast(text, background)


def glyphs(rows, area):
    """(background, the contrast of each glyph's strongest pixel, in ascending order). A row or
    column that stands out over most of the area is a frame's or a button's line, not text."""
    left, top, width, height = area
    xs, ys = range(left, left + width), range(top, top + height)
    background = measure(rows, area)[0]
    ink = {(x, y) for y in ys for x in xs if contrast(rows[y][x], background) >= INK}
    lines = ({y for y in ys if sum((x, y) in ink for x in xs) > 0.8 * width},
             {x for x in xs if sum((x, y) in ink for y in ys) > 0.8 * height})
    ink = {(x, y) for x, y in ink if y not in lines[0] and x not in lines[1]}
    ratios = []
    while ink:
        patch, edge = set(), [ink.pop()]
        while edge:
            x, y = edge.pop()
            patch.add((x, y))
            for near in ((x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                if near in ink:
                    ink.remove(near)
                    edge.append(near)
        if len(patch) >= SMALLEST_GLYPH:
            ratios.append(max(contrast(rows[y][x], background) for x, y in patch))
    return background, sorted(ratios)


class Processes:
    """Every process started here, stopped by its own id when the check ends."""

    def __init__(self):
        self.started = []

    def start(self, *args, **kwargs):
        process = subprocess.Popen(*args, start_new_session=True, **kwargs)
        self.started.append(process)
        return process

    def stop(self, process):
        if process.poll() is None:
            os.kill(process.pid, signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.kill(process.pid, signal.SIGKILL)
                process.wait()
        self.started.remove(process)

    def stop_all(self):
        for process in reversed(list(self.started)):
            self.stop(process)


def start_x_server(processes):
    read_end, write_end = os.pipe()
    server = processes.start(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as report:
        display = report.readline().strip()
    if not display:
        raise RuntimeError("the virtual screen did not start")
    return ":" + display


def xdotool(display, *args):
    return subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=display), check=True,
                          capture_output=True, text=True, timeout=30).stdout


def session_env(display, scheme_file, home):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
    env.update(DISPLAY=display, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_RUNTIME_DIR=home, QT_ACCESSIBILITY="0")
    if scheme_file is not None:
        config = os.path.join(home, "config", "qt6ct")
        os.makedirs(config)
        with open(os.path.join(config, "qt6ct.conf"), "w") as f:
            f.write("[Appearance]\ncustom_palette=true\n"
                    f"color_scheme_path={scheme_file}\nstyle=Fusion\n")
        env["QT_QPA_PLATFORMTHEME"] = "qt6ct"
    return env


def photograph(processes, program, display, scheme_file, shot):
    """Runs a short session under the scheme, saves the window and returns its pixels."""
    home = tempfile.mkdtemp(prefix="drawlet-contrast-")
    app = processes.start([program], env=session_env(display, scheme_file, home),
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = xdotool(display, "search", "--sync", "--onlyvisible", "--name", TITLE).split()[0]
        geometry = dict(line.split("=") for line in
                        xdotool(display, "getwindowgeometry", "--shell", window).split())
        x, y = int(geometry["X"]), int(geometry["Y"])
        xdotool(display, "windowfocus", "--sync", window)
        xdotool(display, "type", "--delay", "30", "0102030405")
        # A click on the base set size's track (a large step, ten), then auto-fill; auto-fill is
        # clicked again until the play numbers show, in case the first click came before the
        # new size was handled.
        xdotool(display, "mousemove", str(x + 524), str(y + 260), "click", "1")
        deadline = time.monotonic() + 20
        while True:
            time.sleep(0.5)
            xdotool(display, "mousemove", str(x + 420), str(y + 280), "click", "1")
            xdotool(display, "mousemove", str(x + 700), str(y + 700))
            time.sleep(0.5)
            subprocess.run(["import", "-display", display, "-window", "root", "-crop",
                            f"{geometry['WIDTH']}x{geometry['HEIGHT']}+{x}+{y}", "+repage", shot],
                           check=True, timeout=30)
            rows = read_png(shot)
            shown = all(measure(rows, TEXTS[name])[1] is not None for name in DESIGN)
            if shown or time.monotonic() > deadline:
                return rows
    finally:
        processes.stop(app)
        shutil.rmtree(home, ignore_errors=True)


def main():
    program, output = sys.argv[1], sys.argv[2]
    tools = ("Xvfb", "xdotool", "import")
    if any(shutil.which(tool) is None for tool in tools) or not os.path.exists(SCHEMES["darker"]):
        print("skipped: needs Xvfb, xdotool, ImageMagick's import and qt6ct")
        return SKIP
    os.makedirs(output, exist_ok=True)
    processes = Processes()
    failures, table = [], []
    try:
        display = start_x_server(processes)
        for scheme, scheme_file in SCHEMES.items():
            shot = os.path.join(output, scheme.replace(" ", "-") + ".png")
            rows = photograph(processes, program, display, scheme_file, shot)
            for name, area in TEXTS.items():
                background, text, ratio = measure(rows, area)
                cores = glyphs(rows, area)[1]
                if ratio is None or not cores:
                    failures.append(f"{scheme}: {name} shows no text")
                    continue
                typical, weakest = cores[(len(cores) - 1) // 2], cores[0]
                table.append((scheme, name, text, background, ratio, typical, weakest))
                if typical < READABLE:
                    failures.append(f"{scheme}: {name}: its typical glyph reads at "
                                    f"{typical:.2f}:1")
                if name in DESIGN and weakest < READABLE:
                    failures.append(f"{scheme}: {name}: a glyph reads at {weakest:.2f}:1")
                if scheme == "light" and name in DESIGN and text != DESIGN[name]:
                    failures.append(f"light: {name} is {text}, not the design's {DESIGN[name]}")
    finally:
        processes.stop_all()
    lines = [f"{'scheme':14} {'text':30} {'strongest':10} {'background':10} {'pixel':8} "
             f"{'typical glyph':14} weakest glyph"]
    lines += [f"{s:14} {n:30} {'#%02x%02x%02x' % t:10} {'#%02x%02x%02x' % b:10} {r:5.2f}:1  "
              f"{g:5.2f}:1{'':8} {w:5.2f}:1" for s, n, t, b, r, g, w in table]
    report = "\n".join(lines)
    print(report)
    with open(os.path.join(output, "contrast.txt"), "w") as f:
        f.write(report + "\n")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
