#!/usr/bin/python3
"""What a blind user hears: Orca itself reads the real program, and the test listens to its log.

In the session of screen_reader.py (its own session bus, the accessibility bus, Xvfb) Orca runs with
a fresh home and its debug log; xdotool types as a user would, and after each step the test waits for
the lines Orca logs as SPEECH OUTPUT and checks what they say: every number whole, each band list
with its purpose and colour, the outcome of a Compute before the next key, the mark on a bad entry.

Usage: orca_hears.py PATH/TO/tarvex [TRANSCRIPT]   (TRANSCRIPT: where to copy what Orca said)
"""
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from screen_reader import (Session, check_tools, fail, find_application, import_pyatspi,  # noqa: E402
                           run, start_buses, start_xvfb, wait_for)

# Orca's own settings, so that it starts without asking anything and speaks what the test needs.
USER_SETTINGS = """{"general": {"enableSpeech": true, "enableBraille": false, "speechServerFactory": "none", "speechFactoryModules": [],
 "enableEchoByWord": false, "enableKeyEcho": false, "speakDescription": true, "firstStart": false,
 "profile": ["Default", "default"], "startingProfile": ["Default", "default"], "activeProfile": ["Default", "default"]},
 "pronunciations": {}, "keybindings": {},
 "profiles": {"default": {"profile": ["Default", "default"]}}}
"""


# Orca writes its log through Python's buffered file, which it flushes only now and then: run as
# itself (its own script, its own process name), but with the log written line by line. It is not
# started with --replace, which would end every other Orca of this user on the machine.
LINE_BY_LINE = """import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
def open_log_by_line(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain_open(file, mode, 1)
    return plain_open(file, mode, *args, **kwargs)
builtins.open = open_log_by_line
sys.argv = ["orca", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


class Ear:
    """The SPEECH OUTPUT lines of Orca's log, read as they come."""

    def __init__(self, path):
        self.path = path
        self.heard = []  # every utterance so far
        self.seen = 0  # utterances already handed to a step

    def read(self):
        try:
            with open(self.path, errors="replace") as f:
                lines = f.read().splitlines()
        except OSError:
            return
        self.heard = [m.group(1) for m in (re.search(r"SPEECH OUTPUT: '(.*)'(?:[\[{].*)?$", line) for line in lines) if m]

    def settle(self, quiet=1.0):
        """Waits until Orca has said nothing new for a while: what it says until then belongs to
        this step still."""
        count, since = len(self.heard), time.monotonic()
        while time.monotonic() - since < quiet:
            time.sleep(0.1)
            self.read()
            if len(self.heard) != count:
                count, since = len(self.heard), time.monotonic()

    def since_last(self, expected, timeout=30.0):
        """Waits until everything in expected (regular expressions) has been said since the last
        step, and gives what was said; fails with it otherwise."""
        deadline = time.monotonic() + timeout
        while True:
            self.read()
            said = self.heard[self.seen:]
            text = " | ".join(said)
            if all(re.search(pattern, text) for pattern in expected):
                self.settle()
                said = self.heard[self.seen:]
                self.seen = len(self.heard)
                return " | ".join(said)
            if time.monotonic() > deadline:
                self.seen = len(self.heard)
                fail(f"Orca did not say {expected}; it said: {text!r}")
            time.sleep(0.2)


def start_orca(session, env):
    home = os.path.join(session.work, "home")
    prefs = os.path.join(home, ".local", "share", "orca")
    os.makedirs(prefs)
    with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
        f.write(USER_SETTINGS)
    orca_env = dict(env, HOME=home, XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                    XDG_CONFIG_HOME=os.path.join(home, ".config"), GSETTINGS_BACKEND="memory")
    log = os.path.join(session.work, "orca-debug.out")
    session.start("orca", ["/usr/bin/python3", "-c", LINE_BY_LINE, log], orca_env)
    return Ear(log)


def main():
    if len(sys.argv) not in (2, 3):
        fail("usage: orca_hears.py PATH/TO/tarvex [TRANSCRIPT]")
    program = sys.argv[1]
    check_tools()
    if not shutil.which("orca"):
        fail("missing: orca (Debian package orca)")
    session = Session()
    transcript = []
    try:
        env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "DBUS_SESSION_BUS_ADDRESS",
                     "AT_SPI_BUS_ADDRESS"):
            env.pop(name, None)
        env["XDG_RUNTIME_DIR"] = session.work
        env["DISPLAY"] = f":{start_xvfb(session, env)}"
        start_buses(session, env)
        os.environ.update(env)
        pyatspi = import_pyatspi()
        ear = start_orca(session, env)
        ear.since_last([r"Screen reader on"], timeout=60)

        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        app_process = session.start("tarvex", [program], env)
        x_window = wait_for("the window is mapped", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", r"^Tarvex v"],
            env=env, capture_output=True, text=True, timeout=5).stdout.split())[0]
        wait_for("the program is on the accessibility bus", lambda: find_application(pyatspi, app_process.pid))
        subprocess.run(["xdotool", "windowfocus", "--sync", x_window], env=env, timeout=10)

        def step(what, keys, expected):
            for key in keys:
                if key.startswith("type:"):
                    subprocess.run(["xdotool", "type", "--delay", "60", key[5:]], env=env, check=True, timeout=10)
                else:
                    subprocess.run(["xdotool", "key", "--delay", "60", key], env=env, check=True, timeout=10)
            said = ear.since_last(expected)
            transcript.append(f"{what}: {said}")

        ear.since_last([r"Supply Voltage"], timeout=60)
        step("type 12, Tab", ["type:12", "Tab"], [r"LED Voltage"])
        step("type 2, Alt+C", ["type:2", "alt+c"], [r"Next standard value 510 Ohms, opto-isolator 75 Ohms"])
        # Alt+C pressed the button, which took the focus; back through every entry, and on again.
        step("Shift+Tab", ["shift+Tab"], [r"milliamperes"])
        step("Shift+Tab", ["shift+Tab"], [r"LED Current", r"\b20\b"])
        step("Shift+Tab", ["shift+Tab"], [r"LED Voltage", r"\b2\b"])
        step("Shift+Tab", ["shift+Tab"], [r"Supply Voltage", r"\b12\b"])
        step("Tab x4", ["Tab"] * 4, [r"Compute"])
        step("Tab", ["Tab"], [r"Calculated Resistor value", r"\b500\b"])
        step("Tab", ["Tab"], [r"First digit band", r"5 Green"])
        step("Tab", ["Tab"], [r"Second digit band", r"1 Brown"])
        step("Tab", ["Tab"], [r"Multiplier band", r"Brown"])
        step("Tab", ["Tab"], [r"Tolerance band", r"Gold"])
        step("Tab", ["Tab"], [r"Number of LEDs|LEDs", r"\b2\b"])
        step("Tab", ["Tab"], [r"Calculated Resistor value", r"\b70\b"])
        step("Tab", ["Tab"], [r"Next Standard Resistor value", r"\b75\b"])
        step("Tab", ["Tab"], [r"Next Standard Resistor value", r"\b510\b"])
        step("Tab", ["Tab"], [r"Five-band"])
        step("Space", ["space"], [r"checked"])
        step("Shift+Tab x7", ["shift+Tab"] * 7, [r"Third digit band", r"Black|Brown|Red|Orange|Yellow|Green|Blue|Violet|Grey|White"])
        step("Down", ["Down"], [r"Black|Brown|Red|Orange|Yellow|Green|Blue|Violet|Grey|White"])
        for stop in (r"Multiplier band", r"Tolerance band", r"LEDs", r"Calculated Resistor value",
                     r"Next Standard Resistor value", r"Next Standard Resistor value", r"Five-band",
                     r"Supply Voltage"):
            step("Tab", ["Tab"], [stop])
        step("type 0, Enter", ["type:0", "Return"], [r"Values are invalid or are zeros"])
        step("Tab, Shift+Tab", ["Tab", "shift+Tab"], [r"Supply Voltage", r"Invalid entry"])
    finally:
        print("\n".join(transcript))
        if len(sys.argv) == 3:
            shutil.copy(os.path.join(session.work, "orca-debug.out"), sys.argv[2])
        session.close()


if __name__ == "__main__":
    run(main)
