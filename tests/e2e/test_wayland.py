#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator running natively on Wayland: a private weston compositor (its X11 backend,
inside the private X server of scripts/run-e2e, so that xdotool's keys reach it as a keyboard),
the program on Qt's wayland platform, read through the accessibility bus.

Checks: the window starts natively; 2+3 Enter gives its line; Alt+F opens the File menu; Print
with no printer shows its message box with the keyboard in it, and no progress window, then or
after Enter closes the box.

Exit status 77 (skipped) when weston or Qt's wayland platform is not installed, unless
FERROLIN_REQUIRE_SERVICES=1."""

import glob
import os
import shutil
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_calculator import (APP, MAIN_TITLE, Calculator, Failure, report_failure, run, stop_process,  # noqa: E402
                             wait_for, walk)

# With no print server running the box says so; with one that has no printer, that there is none.
NO_PRINTER = ("There is no default printer currently selected", "The print system does not answer")


def wayland_plugin_installed():
    return bool(glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"))


class Weston:
    """A private compositor; `socket` is the WAYLAND_DISPLAY of its clients."""

    def __init__(self, scratch):
        self.socket = f"ferrolin-e2e-{os.getpid()}"
        runtime = os.environ["XDG_RUNTIME_DIR"]
        self.log_path = os.path.join(scratch, "weston.log")
        self.process = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", f"--socket={self.socket}", "--width=1000",
             "--height=740", "--idle-time=0", f"--log={self.log_path}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
        try:
            wait_for("weston's socket", lambda: self._alive() and os.path.exists(os.path.join(runtime, self.socket)))
            # Its output window on the X server, which xdotool's keys go to (found by its class:
            # xdotool does not match the name weston gives it).
            self.x_window = wait_for("weston's window", lambda: run("xdotool", "search", "--class",
                                                                    "Weston Compositor", check=False).split())[-1]
        except Exception:
            self.close()  # nobody else holds it yet
            raise

    def _alive(self):
        if self.process.poll() is not None:
            raise Failure(f"weston exited with status {self.process.returncode}: {self.log()}")
        return True

    def log(self):
        try:
            with open(self.log_path, errors="replace") as log:
                return log.read()[-3000:]
        except FileNotFoundError:
            return "(no log)"

    def close(self):
        stop_process(self.process)


def state_of(node, state):
    try:
        return node.getState().contains(state)
    except Exception:
        return False


def start_on_wayland(calc, weston):
    env = dict(calc.env, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=weston.socket,
               CUPS_SERVER="127.0.0.1:9")  # a print server that is not there: no printer at all
    env.pop("DISPLAY", None)  # nothing may fall back to X
    calc.process = subprocess.Popen([APP], stdout=calc.log, stderr=subprocess.STDOUT, env=env, cwd=calc.scratch)
    calc.app = wait_for("the program on the accessibility bus", calc._find_application)
    calc.main = wait_for("the main window", lambda: calc.top_level("frame", MAIN_TITLE))
    run("xdotool", "windowfocus", "--sync", weston.x_window)


def progress_window(calc):
    return calc.top_level("dialog", "Printing")


def scenario(calc, weston, steps):
    steps.append("the window starts natively and its expression box has the keyboard")
    start_on_wayland(calc, weston)
    box = calc.find(calc.main, "text", "Expression")
    wait_for("the expression box focused", lambda: state_of(box, pyatspi.STATE_FOCUSED))

    steps.append("2+3 Enter gives its line")
    calc.type_text("2+3")
    calc.key("Return")
    calc.wait_history(["2+3= 5.00"])

    steps.append("Alt+F opens the File menu from the keyboard")
    calc.key("alt+f")
    new = calc.find(calc.main, "menu item", "New")
    wait_for("the File menu shown", lambda: state_of(new, pyatspi.STATE_SHOWING))
    calc.key("Escape", "Escape")
    wait_for("the File menu closed", lambda: not state_of(new, pyatspi.STATE_SHOWING))

    steps.append("Print with no printer: the message box has the keyboard, no progress window")
    calc.key("ctrl+p")
    alert = wait_for("the message box", lambda: calc.top_level("alert"))
    said = [node.name for _, node in walk(alert)]
    if not any(reason in text for text in said for reason in NO_PRINTER):
        raise Failure(f"the box does not say nothing could be printed: {said}")
    wait_for("the message box active", lambda: state_of(alert, pyatspi.STATE_ACTIVE))
    # A user reads the box for longer than a job takes to show its progress window (1 s): a
    # window left to appear then would take the keyboard from the box.
    time.sleep(1.5)
    if progress_window(calc) is not None:
        raise Failure("a progress window is shown with the message box")
    if not state_of(alert, pyatspi.STATE_ACTIVE):
        raise Failure("the message box lost the keyboard while it was open")
    calc.key("Return")  # reaches the box only if it has the keyboard
    wait_for("the message box closed by Enter", lambda: calc.top_level("alert") is None)
    wait_for("the main window active again", lambda: state_of(calc.main, pyatspi.STATE_ACTIVE))
    if progress_window(calc) is not None:
        raise Failure("a progress window appeared after the job had failed")


def main():
    missing = [name for name, ok in (("weston", shutil.which("weston") is not None),
                                     ("qt6-wayland", wayland_plugin_installed())) if not ok]
    if missing:
        print(f"test_wayland: {' and '.join(missing)} not installed (scripts/install-deps e2e-test)", file=sys.stderr)
        return 1 if os.environ.get("FERROLIN_REQUIRE_SERVICES") == "1" else 77
    steps = []
    calc = weston = None
    try:
        calc = Calculator()
        weston = Weston(calc.scratch)
        scenario(calc, weston, steps)
        print(f"e2e: {len(steps)} steps passed on Wayland")
        return 0
    except Exception as error:
        report_failure(steps, error, calc, "wayland-failure.png")
        if weston is not None:
            print("---- weston ----\n" + weston.log(), file=sys.stderr)
        return 1
    finally:
        if calc is not None:
            calc.close()
            with open(calc.log_path) as log:
                output = log.read().strip()
            if output:
                print("---- the program's output ----\n" + output, file=sys.stderr)
        if weston is not None:
            weston.close()
        if calc is not None:
            shutil.rmtree(calc.scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
