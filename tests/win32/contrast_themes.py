#!/usr/bin/python3
"""The Windows windows under High Contrast Black's and White's system colours, set before the start and
switched while the program runs, and with the contrast flag read as on: every word must read at 4.5:1
against what is behind it, a bad entry's caption must be told apart from a good one, the focus and
what was typed must survive a switch. The pictures are made by contrast_shots.exe under Wine.

Usage: contrast_themes.py WINE CONTRAST_SHOTS [--keep DIR]   (DIR keeps the pictures)
"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "qt"))
from look_on_desktops import MAIN_CAPTIONS, MIN_CONTRAST, Picture, background_and_ink, contrast  # noqa: E402

MAIN_CLIENT_HEIGHT = 5970  # twips: the menu bar lies above the client area in the pictures
# Where the words are, in twips of the client area (left, top, width, height), clear of frames: the
# captions that the look test reads (but the option "A"), and more.
MAIN_WORDS = {word: where for word, where in MAIN_CAPTIONS.items() if word != "A"} | {
    "the heading": (120, 120, 4365, 270),
    "Calculated Resistor value:": (0, 1800, 1365, 375),
    "Resistor Value:": (240, 5040, 1980, 270),
    "the read-out's digits": (2325, 4860, 1250, 480),
    "the opto heading": (6840, 120, 3360, 615),
    "txt_supply_v": (1845, 645, 405, 195),
    "txt_led_a": (1845, 1365, 405, 195),
    "txt_resistor_val": (1485, 1935, 885, 195),
    "txt_leds": (7845, 885, 285, 195),
}
ABOUT_WORDS = {
    "the title": (1410, 240, 3885, 480),
    "Updates:": (240, 3000, 3855, 255),
    "the list of updates": (300, 3300, 5055, 915),
    "OK": (4380, 4520, 900, 185),
}
LED_VOLTAGE = (345, 1005, 1365, 195)  # the caption a bad LED voltage marks
SUPPLY_VOLTAGE = MAIN_WORDS["Supply Voltage:"]
# Each run: its pictures' name, the colours set before the start, those switched to, the flag.
RUNS = [("plain", "plain", "none", "no-flag"), ("black", "black", "white", "no-flag"),
        ("white", "white", "black", "no-flag"), ("flag-black", "black", "white", "flag")]


def crop(picture, rect, top):
    left, y, width, height = (round(twips / 15) for twips in rect)
    return picture.crop(left, top + y, width, height)


def ink_of(picture, rect, top):
    return background_and_ink(crop(picture, rect, top))


def check(path, words, top, problems):
    picture = Picture(path)
    if top is None:
        top = picture.height - round(MAIN_CLIENT_HEIGHT / 15)
        words = dict(words, **{"the menu titles": (0, -top * 15 * 3 // 4, 1500, top * 15 // 2)})
    for name, rect in words.items():
        background, ink = ink_of(picture, rect, top)
        ratio = contrast(background, ink)
        if ratio < MIN_CONTRAST:
            problems.append(f"{os.path.basename(path)}: {name} reads at {ratio:.2f}:1 ({ink} on {background})")
    return picture, top


def main():
    wine, shots = sys.argv[1], sys.argv[2]
    keep = sys.argv[4] if len(sys.argv) > 4 and sys.argv[3] == "--keep" else None
    folder = keep or tempfile.mkdtemp(prefix="tarvex-contrast-")
    os.makedirs(folder, exist_ok=True)
    problems = []
    try:
        for name, before, live, flag in RUNS:
            run = subprocess.run([wine, shots, os.path.join(folder, name), before, live, flag], capture_output=True,
                                 text=True, timeout=120)
            if run.returncode != 0 or not os.path.exists(os.path.join(folder, f"{name}-bad.png")):
                problems.append(f"contrast_shots {name} ended with {run.returncode}: {run.stdout[-1500:]}"
                                f"{run.stderr[-1500:]}")
            for line in run.stdout.splitlines():
                if line.startswith("switched") and not line.endswith("focus kept"):
                    problems.append(f"{name}: {line}")
            if live != "none" and "txt_supply_v.Text=1" not in run.stdout:
                problems.append(f"{name}: what was typed before the switches is gone")
        for run_name, _, live, _ in RUNS[1:] if not problems else []:
            for stage in ("", f"-then-{live}"):
                for shot in ("compute", "bad"):
                    path = os.path.join(folder, f"{run_name}{stage}-{shot}.png")
                    picture, top = check(path, MAIN_WORDS, None, problems)
                    if shot == "bad":
                        good, bad = ink_of(picture, SUPPLY_VOLTAGE, top)[1], ink_of(picture, LED_VOLTAGE, top)[1]
                        if contrast(good, bad) < 1.1 and abs(sum(good) - sum(bad)) < 60:
                            problems.append(f"{os.path.basename(path)}: the bad entry's caption looks like a good one")
                        background, ink = ink_of(picture, LED_VOLTAGE, top)
                        if run_name.startswith("flag") and contrast(background, ink) < MIN_CONTRAST:
                            problems.append(f"{os.path.basename(path)}: the bad entry's caption does not read")
                check(os.path.join(folder, f"{run_name}{stage}-about.png"), ABOUT_WORDS, 0, problems)
    finally:
        if not keep:
            shutil.rmtree(folder, ignore_errors=True)
    for problem in problems:
        print(f"FAIL: {problem}", file=sys.stderr)
    if not problems:
        print("every word reads under High Contrast Black and White, set before the start and switched live")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
