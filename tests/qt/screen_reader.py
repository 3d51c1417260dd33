#!/usr/bin/python3
"""The real program as a screen reader meets it, through AT-SPI on an X server of its own.

Starts a private session bus, the accessibility bus on it, Xvfb and the program, then reads the
window's accessible tree as Orca would: the option pair as radio buttons, the band lists by their
roles, the two pairs of result boxes told apart, the read-out under the resistor as one text that
follows a Compute typed on the keyboard, and the picture link as a link with its address. Nothing
here is skipped: a missing tool fails the test and names the Debian package that brings it.

Usage: screen_reader.py PATH/TO/tarvex
"""
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

WAIT = 20.0  # seconds: the longest any one step may take on a loaded machine

TOOLS = {
    "Xvfb": "xvfb",
    "xdotool": "xdotool",
    "dbus-daemon": "dbus-daemon",
}
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def wait_for(what, probe, timeout=WAIT):
    """Polls probe until it gives something true; fails with what was awaited."""
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline:
        try:
            last = probe()
        except Exception as error:  # the tree may be half built while the window starts
            last = error
        else:
            if last:
                return last
        time.sleep(0.2)
    fail(f"{what}: not so after {timeout:.0f} s (last seen: {last!r})")


def start_xvfb(session, env):
    """Starts Xvfb on a display number it picks itself (-displayfd), so that no other test or
    server on the machine can take the number between the choice and the start."""
    read_end, write_end = os.pipe()
    # -noreset, as the other real-window tests start theirs: the server is not reset whenever its last
    # client leaves (the readiness probe's does just before the program connects).
    session.start("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-noreset",
                           "-nolisten", "tcp"], env, pass_fds=(write_end,))
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + WAIT
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
        chunk = os.read(read_end, 16) if ready else b""
        if not chunk:
            os.close(read_end)
            fail(f"Xvfb did not report its display within {WAIT:.0f} s; it wrote:\n{session.log_of('Xvfb')}")
        number += chunk
    os.close(read_end)
    return int(number)


class Session:
    """The processes this test starts, ended again by their ids in the reverse order."""

    def __init__(self):
        self.work = tempfile.mkdtemp(prefix="tarvex-a11y-")
        self.processes = []

    def start(self, name, argv, env, pass_fds=()):
        log = open(os.path.join(self.work, name + ".log"), "wb")
        process = subprocess.Popen(argv, env=env, stdout=log, stderr=subprocess.STDOUT, pass_fds=pass_fds)
        self.processes.append((name, process))
        return process

    def log_of(self, name):
        try:
            with open(os.path.join(self.work, name + ".log"), errors="replace") as f:
                return f.read()[-2000:]
        except OSError:
            return ""

    def close(self):
        for _, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.work, ignore_errors=True)


def check_tools():
    missing = [f"{tool} (Debian package {package})" for tool, package in TOOLS.items() if not shutil.which(tool)]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(f"{BUS_LAUNCHER} (Debian package at-spi2-core)")
    if missing:
        fail("missing: " + ", ".join(missing))


def start_buses(session, env):
    """A session bus of our own, and the accessibility bus that AT-SPI clients find through it."""
    address_file = os.path.join(session.work, "bus-address")
    with open(address_file, "w") as out:
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               env=env, stdout=out, stderr=subprocess.DEVNULL)
    session.processes.append(("dbus-daemon", bus))
    address = wait_for("the session bus prints its address",
                       lambda: open(address_file).read().strip())
    env["DBUS_SESSION_BUS_ADDRESS"] = address
    session.start("at-spi-bus-launcher", [BUS_LAUNCHER, "--launch-immediately"], env)
    # The program asks the session bus for the accessibility bus once, at start: it must be there.
    wait_for("the accessibility bus answers on the session bus", lambda: accessibility_bus_address(address))


def accessibility_bus_address(session_address):
    try:
        from gi.repository import Gio, GLib
    except ImportError as error:
        fail(f"cannot import gi ({error}): Debian package python3-gi, run with /usr/bin/python3")
    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    bus = Gio.DBusConnection.new_for_address_sync(session_address, flags, None, None)
    try:
        reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                              GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, 2000, None)
        return reply.unpack()[0]
    finally:
        bus.close_sync(None)


def import_pyatspi():
    try:
        import pyatspi  # noqa: needs the buses in the environment first
    except ImportError as error:
        fail(f"cannot import pyatspi ({error}): Debian package python3-pyatspi, run with /usr/bin/python3")
    return pyatspi


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def find_application(pyatspi, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


class Window:
    """The accessible tree of the program's main window, read afresh on each look."""

    def __init__(self, pyatspi, app):
        self.pyatspi = pyatspi
        self.app = app

    def nodes(self):
        return list(walk(self.app))

    def named(self, name, role=None):
        return [n for n in self.nodes() if n.name == name and (role is None or n.getRole() == role)]

    def with_role(self, role):
        return [n for n in self.nodes() if n.getRole() == role]


def check_tree(window, problems):
    pyatspi = window.pyatspi
    for name in ("LED current in milliamperes", "LED current in amperes"):
        found = window.named(name)
        if not found:
            problems.append(f"no control named {name!r}")
        elif found[0].getRole() != pyatspi.ROLE_RADIO_BUTTON:
            problems.append(f"{name!r} is announced as {found[0].getRoleName()!r}, not as a radio button")

    for name in ("First digit band", "Second digit band", "Third digit band", "Multiplier band", "Tolerance band"):
        if not window.named(name, pyatspi.ROLE_COMBO_BOX):
            problems.append(f"no combo box named {name!r}")
    by_item = [n.name for n in window.with_role(pyatspi.ROLE_COMBO_BOX) if n.name in ("0 Black", "Gold 5%")]
    if by_item:
        problems.append(f"band lists still named by their item: {by_item}")

    for name in ("Calculated Resistor value", "Next Standard Resistor value"):
        boxes = window.named(name)
        descriptions = {b.description for b in boxes}
        if len(boxes) != 2:
            problems.append(f"{len(boxes)} boxes named {name!r}, not 2")
        elif len(descriptions) != 2 or "" in descriptions:
            problems.append(f"the two boxes named {name!r} are not told apart: {sorted(descriptions)}")

    links = window.with_role(pyatspi.ROLE_LINK)
    if len(links) != 1:
        problems.append(f"{len(links)} links, not 1")
    else:
        link = links[0]
        if link.description != "https://tarvex.example.org/":
            problems.append(f"the link tells the address {link.description!r}")
        if not link.name:
            problems.append("the link has no name")
        if link.getState().contains(pyatspi.STATE_FOCUSABLE):
            problems.append("the link takes the focus: the tab order would change")


def read_out(window):
    texts = [n.name for n in window.with_role(window.pyatspi.ROLE_LABEL) if n.name.startswith("Resistor Value:")]
    return texts[0] if len(texts) == 1 else texts


def main():
    if len(sys.argv) != 2:
        fail("usage: screen_reader.py PATH/TO/tarvex")
    program = sys.argv[1]
    check_tools()
    session = Session()
    try:
        env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "DBUS_SESSION_BUS_ADDRESS",
                     "AT_SPI_BUS_ADDRESS"):
            env.pop(name, None)
        env["XDG_RUNTIME_DIR"] = session.work
        display = start_xvfb(session, env)
        env["DISPLAY"] = f":{display}"
        wait_for(f"Xvfb serves :{display}", lambda: subprocess.run(
            ["xdotool", "getdisplaygeometry"], env=env, capture_output=True, timeout=5).returncode == 0)
        start_buses(session, env)
        os.environ.update(env)
        pyatspi = import_pyatspi()

        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        app_process = session.start("tarvex", [program], env)
        try:
            x_window = wait_for("the window 'Tarvex v1.5.4' is mapped", lambda: app_process.poll() is None and subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--name", r"^Tarvex v1\.5\.4$"],
                env=env, capture_output=True, text=True, timeout=5).stdout.split())[0]
        except Failure as error:
            state = "running" if app_process.poll() is None else f"ended with status {app_process.returncode}"
            fail(f"{error}\nthe program is {state}; it wrote:\n{session.log_of('tarvex')}\n"
                 f"Xvfb wrote:\n{session.log_of('Xvfb')}")
        app = wait_for("the program is on the accessibility bus", lambda: find_application(pyatspi, app_process.pid))
        window = Window(pyatspi, app)
        wait_for("the window's controls are in the accessible tree",
                 lambda: window.named("First digit band") or window.named("Supply Voltage"))

        problems = []
        check_tree(window, problems)
        first = read_out(window)
        if first != "Resistor Value: 000 Ω":
            problems.append(f"before any Compute the read-out reads {first!r}")

        # 12 V, 2 V and 20 mA typed as a user would, Enter in the box computes.
        def keys(*args):
            subprocess.run(["xdotool", *args], env=env, check=True, timeout=10)
        subprocess.run(["xdotool", "windowfocus", "--sync", x_window], env=env, timeout=10)
        keys("type", "--delay", "40", "12")
        keys("key", "Tab")
        keys("type", "--delay", "40", "2")
        keys("key", "Return")
        try:
            wait_for("the read-out follows the Compute of 12 V, 2 V, 20 mA",
                     lambda: read_out(window) == "Resistor Value: 510 Ω")
        except Failure as error:
            problems.append(str(error))
        # The focus stays in the LED voltage: 7 V in place of 2 gives 250, the next standard value 270.
        keys("key", "BackSpace")
        keys("type", "--delay", "40", "7")
        keys("key", "Return")
        try:
            wait_for("the read-out follows the next Compute (12 V, 7 V, 20 mA)",
                     lambda: read_out(window) == "Resistor Value: 270 Ω")
        except Failure as error:
            problems.append(str(error))

        if problems:
            fail("what a screen reader meets is wrong:\n  " + "\n  ".join(problems))
        print("radio buttons, band lists, result boxes, the read-out and the link are announced as they should be")
    finally:
        session.close()


def run(main):
    """Runs a check's main; a Failure ends it with its word on stderr and status 1."""
    try:
        main()
    except Failure as error:
        print(f"FAIL: {error}", file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    run(main)
