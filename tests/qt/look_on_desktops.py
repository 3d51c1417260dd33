#!/usr/bin/python3
"""The real program on an X server of its own, as a desktop with THEME hands it its style and palette,
at scale 1 and 2. After 12 V, 2 V and Compute typed on the keyboard, pictures of the main window, of
About and of a message box are read as a user reads them: each caption must stand out from its
background by a contrast of at least 4.5 to 1, and each entry box must show its whole text (the
width of the digits' ink on the screen, against the width they have where nothing cuts them).

Usage: look_on_desktops.py PATH/TO/tarvex THEME [--keep DIR]   (DIR keeps the pictures)
THEME: fusion, qt6ct-darker, adwaita, adwaita-dark, windows
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

WAIT = 20.0
TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "import": "imagemagick", "convert": "imagemagick"}
QT6CT_SCHEME = "/usr/share/qt6ct/colors/darker.conf"
ADWAITA_STYLE = "/usr/lib/x86_64-linux-gnu/qt6/plugins/styles/adwaita.so"

# What each desktop sets for a Qt program (qt6ct's configuration goes in the test's own folder).
THEMES = {
    "fusion": {"QT_STYLE_OVERRIDE": "Fusion"},
    "qt6ct-darker": {"QT_QPA_PLATFORMTHEME": "qt6ct"},
    "adwaita": {"QT_STYLE_OVERRIDE": "Adwaita"},
    "adwaita-dark": {"QT_STYLE_OVERRIDE": "Adwaita-Dark"},
    "windows": {"QT_STYLE_OVERRIDE": "Windows"},
}

# Where the captions are, in twips of the client area (left, top, width, height): inside each
# control, clear of its frame, its indicator and its focus mark.
MAIN_CAPTIONS = {
    "Supply Voltage:": (345, 645, 1365, 195),
    "mA": (2690, 1330, 400, 225),
    "A": (2690, 1570, 400, 225),
    "Compute": (3420, 1000, 1455, 295),
    "Enable": (2690, 2530, 700, 225),
    "the band lists' items": (300, 2820, 750, 195),
    "the tolerance list's item": (4740, 2820, 870, 195),
    "the status bar": (60, 5640, 5000, 285),
}
# The entry and result boxes with the text they show after the Compute, and the width in pixels of
# that text's ink at scale 1 and 2 where nothing cuts it (DejaVu Sans, the windows' sans serif here).
BOXES = {
    "txt_supply_v": ((1800, 600, 495, 285), "12", {1: 12, 2: 24}),
    "txt_led_v": ((1800, 960, 495, 285), "2", {1: 6, 2: 11}),
    "txt_led_a": ((1800, 1320, 495, 285), "20", {1: 14, 2: 26}),
    "txt_resistor_val": ((1440, 1890, 975, 285), "500", {1: 19, 2: 40}),
    "txt_standard_val": ((4320, 1890, 975, 285), "510", {1: 19, 2: 40}),
    "txt_leds": ((7800, 840, 375, 285), "2", {1: 6, 2: 11}),
    "txt_opto_resistor_val": ((10320, 930, 975, 285), "70", {1: 13, 2: 26}),
    "txt_opto_standard_val": ((10320, 1410, 975, 285), "75", {1: 12, 2: 25}),
}
ABOUT_CAPTIONS = {
    "the title": (1410, 240, 3885, 480),
    "Updates:": (240, 3000, 3855, 255),
    "the list of updates": (300, 3300, 5055, 915),
    "OK": (4380, 4520, 900, 185),
}
MIN_CONTRAST = 4.5


class Failure(Exception):
    pass


def wait_for(what, probe):
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise Failure(f"{what}: not so after {WAIT:.0f} s")


class Picture:
    """A picture of a window as rows of (r, g, b), read through ImageMagick."""

    def __init__(self, path):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
        fields, rest = data.split(maxsplit=4)[:4], data.split(maxsplit=4)[4]
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = [tuple(rest[i:i + 3]) for i in range(0, 3 * self.width * self.height, 3)]

    def crop(self, left, top, width, height):
        return [[self.pixels[y * self.width + x] for x in range(left, left + width)]
                for y in range(top, top + height)]


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def background_and_ink(rows):
    """The commonest colour of a caption's area is its background; the text is the colour that stands
    out from it most (the edges of anti-aliased letters stand out less)."""
    counts = {}
    for row in rows:
        for p in row:
            counts[p] = counts.get(p, 0) + 1
    background = max(counts, key=counts.get)
    ink = max(counts, key=lambda p: contrast(p, background))
    return background, ink


def ink_width(rows):
    background, _ = background_and_ink(rows)
    columns = [x for x in range(len(rows[0])) if any(contrast(row[x], background) >= 1.5 for row in rows)]
    return columns[-1] - columns[0] + 1 if columns else 0


class Screen:
    def __init__(self, work, keep):
        self.work, self.keep, self.processes = work, keep, []
        read_end, write_end = os.pipe()
        # A black screen, as a dark desktop's; -noreset keeps it serving between the program's runs.
        self.start("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1200x24", "-br", "-noreset",
                            "-nolisten", "tcp"], os.environ, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as displayfd:
            self.display = ":" + displayfd.readline().strip()
        if self.display == ":":
            raise Failure("Xvfb did not start")

    def start(self, name, argv, env, pass_fds=()):
        log = open(os.path.join(self.work, name + ".log"), "wb")
        process = subprocess.Popen(argv, env=env, stdout=log, stderr=subprocess.STDOUT, pass_fds=pass_fds)
        self.processes.append(process)
        return process

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=self.display), check=False,
                              capture_output=True, text=True).stdout.split()

    def window(self, title):
        return wait_for(f"a window titled {title!r}",
                        lambda: (self.xdotool("search", "--onlyvisible", "--name", f"^{title}$") or [None])[0])

    def gone(self, title):
        wait_for(f"the window {title!r} closes", lambda: not self.xdotool("search", "--onlyvisible", "--name", f"^{title}$"))

    def keys(self, window, *keys):
        self.xdotool("windowfocus", "--sync", window)
        for key in keys:
            self.xdotool("type", "--delay", "30", key[5:]) if key.startswith("type:") else self.xdotool("key", key)
            time.sleep(0.15)

    def picture(self, window, name):
        time.sleep(0.6)  # the last keystroke's repaint
        path = os.path.join(self.keep or self.work, name + ".png")
        subprocess.run(["import", "-display", self.display, "-window", window, path], check=True)
        return Picture(path)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                process.wait(timeout=5)


def read(rows, what, problems):
    """The caption in rows must stand out from its background."""
    background, ink = background_and_ink(rows)
    if contrast(background, ink) < MIN_CONTRAST:
        problems.append(f"{what} reads at {contrast(background, ink):.2f}:1 ({ink} on {background})")


def in_pixels(rect, scale, top=0):
    left, y, width, height = (round(twips * scale / 15) for twips in rect)
    return left, top + y, width, height


def check_main_window(picture, scale, problems):
    top = picture.height - round(5970 * scale / 15)  # the menu bar lies above the client area
    where = f"main window at scale {scale}:"
    read(picture.crop(0, top // 4, 100 * scale, top // 2), f"{where} the menu titles", problems)
    for name, rect in MAIN_CAPTIONS.items():
        read(picture.crop(*in_pixels(rect, scale, top)), f"{where} {name}", problems)
    for name, (rect, text, widths) in BOXES.items():
        left, y, width, height = in_pixels(rect, scale, top)
        inset = 3 * scale  # inside the frame
        rows = picture.crop(left + inset, y + inset, width - 2 * inset, height - 2 * inset)
        read(rows, f"{where} {name}", problems)
        if abs(ink_width(rows) - widths[scale]) > 1:
            problems.append(f"{where} {name} shows {ink_width(rows)} pixels of ink, {text!r} whole is {widths[scale]}")


def run(tarvex, theme, scale, screen, problems):
    env = dict(os.environ, DISPLAY=screen.display, QT_SCALE_FACTOR=str(scale), **THEMES[theme])
    for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"):
        if name not in THEMES[theme]:
            env.pop(name, None)
    config = os.path.join(screen.work, "config")
    env["XDG_CONFIG_HOME"] = config
    if theme == "qt6ct-darker":
        os.makedirs(os.path.join(config, "qt6ct"), exist_ok=True)
        with open(os.path.join(config, "qt6ct", "qt6ct.conf"), "w") as conf:
            conf.write(f"[Appearance]\ncolor_scheme_path={QT6CT_SCHEME}\ncustom_palette=true\nstyle=Fusion\n")
    program = screen.start(f"tarvex-{scale}", [tarvex], env)
    try:
        main = screen.window("Tarvex v1\\.5\\.4")
        screen.keys(main, "type:12", "Tab", "type:2", "alt+c")
        check_main_window(screen.picture(main, f"{theme}-{scale}-main"), scale, problems)
        if screen.keep:  # the whole screen too, for a picture of the window on this desktop
            screen.picture("root", f"{theme}-{scale}-desktop")

        screen.keys(main, "alt+h", "a")
        about = screen.window("About Tarvex")
        picture = screen.picture(about, f"{theme}-{scale}-about")
        for name, rect in ABOUT_CAPTIONS.items():
            read(picture.crop(*in_pixels(rect, scale)), f"About at scale {scale}: {name}", problems)
        screen.keys(about, "Escape")
        screen.gone("About Tarvex")

        # A resistor above the largest standard value brings the message box.
        screen.keys(main, "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "type:500", "alt+c")
        box = screen.window("Tarvex")
        # Its prompt fills the box above the row of its OK button.
        picture = screen.picture(box, f"{theme}-{scale}-message-box")
        read(picture.crop(0, 0, picture.width, picture.height - 45 * scale),
             f"message box at scale {scale}: its prompt", problems)
        screen.keys(box, "Return")
        screen.gone("Tarvex")
    finally:
        if program.poll() is None:
            program.terminate()
            program.wait(timeout=5)


def main():
    tarvex, theme = sys.argv[1], sys.argv[2]
    keep = sys.argv[4] if len(sys.argv) > 4 and sys.argv[3] == "--keep" else None
    missing = [f"{tool} (Debian package {package})" for tool, package in TOOLS.items() if not shutil.which(tool)]
    if theme == "qt6ct-darker" and not os.path.exists(QT6CT_SCHEME):
        missing.append(f"{QT6CT_SCHEME} (Debian package qt6ct)")
    if theme.startswith("adwaita") and not os.path.exists(ADWAITA_STYLE):
        missing.append(f"{ADWAITA_STYLE} (Debian package adwaita-qt6)")
    if missing:
        print("FAIL: missing " + ", ".join(missing), file=sys.stderr)
        return 1
    work = tempfile.mkdtemp(prefix="tarvex-look-")
    screen = None
    problems = []
    try:
        screen = Screen(work, keep)
        for scale in (1, 2):
            run(tarvex, theme, scale, screen, problems)
    except Failure as failure:
        problems.append(str(failure))
        for name in sorted(os.listdir(work)):
            if name.endswith(".log"):
                with open(os.path.join(work, name), errors="replace") as log:
                    problems.append(f"{name}: {log.read()[-1500:]}")
    finally:
        if screen:
            screen.close()
        shutil.rmtree(work, ignore_errors=True)
    for problem in problems:
        print(f"FAIL ({theme}): {problem}", file=sys.stderr)
    if not problems:
        print(f"{theme}: every caption reads and every box shows its whole text, at scale 1 and 2")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
