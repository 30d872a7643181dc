#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator seen from outside: started on a private X server and driven through the
accessibility bus (AT-SPI) and real key and mouse events (xdotool), the way a user or a screen
reader would. Run by scripts/run-e2e, which provides Xvfb, D-Bus and the accessibility bus.

Every wait is bounded; on failure the script prints the program's accessibility tree, its output,
and saves failure.png next to the other screenshots."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

import pyatspi

APP = os.environ["FERROLIN_APP"]
SHOTS = os.path.join(os.environ.get("FERROLIN_BINARY_DIR", "."), "screenshots")
MAIN_TITLE = "Ferrolin 2009"
HOME_PAGE = "https://github.com/ferrolin/ferrolin"
GUIDE_FIRST_LINES = "Quick Start Guide\n---------------------\nTo use Ferrolin just enter a\n"
WAIT = 15.0  # seconds for anything to appear, change or go away


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=WAIT, interval=0.1):
    """Polls probe() until it returns something true; returns it, or fails naming `what`."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # an object can go away while we look at it
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)


def run(*command, timeout=20, check=True):
    result = subprocess.run(command, capture_output=True, text=True, timeout=timeout)
    if check and result.returncode != 0:
        raise Failure(f"{' '.join(command)} failed ({result.returncode}): {result.stderr.strip()}")
    return result.stdout


def walk(node, depth=0, limit=400):
    """Yields (depth, accessible) in document order, skipping objects that have gone."""
    stack = [(depth, node)]
    seen = 0
    while stack and seen < limit:
        level, current = stack.pop()
        seen += 1
        yield level, current
        try:
            children = [current.getChildAtIndex(i) for i in range(current.childCount)]
        except Exception:
            continue
        stack.extend((level + 1, child) for child in reversed(children) if child is not None)


def describe(node):
    try:
        return f"[{node.getRoleName()}] {node.name!r}"
    except Exception:
        return "[gone]"


class Calculator:
    def __init__(self):
        os.makedirs(SHOTS, exist_ok=True)
        self.scratch = tempfile.mkdtemp(prefix="ferrolin-e2e-")
        self.opened_urls = os.path.join(self.scratch, "opened-urls.txt")
        stub_dir = os.path.join(self.scratch, "bin")
        os.makedirs(stub_dir)
        # The desktop's URL opener, replaced so that the link's address can be checked and no
        # browser starts.
        with open(os.path.join(stub_dir, "xdg-open"), "w") as stub:
            stub.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{self.opened_urls}"\n')
        os.chmod(os.path.join(stub_dir, "xdg-open"), 0o755)
        env = dict(os.environ, PATH=stub_dir + os.pathsep + os.environ.get("PATH", ""))
        env.pop("BROWSER", None)
        env.pop("DEFAULT_BROWSER", None)
        self.log_path = os.path.join(self.scratch, "ferrolin.log")
        self.log = open(self.log_path, "w")
        self.env = env
        self.process = None

    def start(self):
        wait_for(f"the X server on {os.environ.get('DISPLAY')}",
                 lambda: subprocess.run(["xdpyinfo"], capture_output=True, timeout=5).returncode == 0)
        self.process = subprocess.Popen([APP], stdout=self.log, stderr=subprocess.STDOUT, env=self.env,
                                        cwd=self.scratch)
        self.app = wait_for("the program on the accessibility bus", self._find_application)
        self.main = wait_for("the main window", lambda: self.top_level("frame", MAIN_TITLE))
        self.x_main = wait_for("the main window on the X server",
                               lambda: self.x_window(f"^{MAIN_TITLE}$"))

    # ---- finding things ----

    def _find_application(self):
        if self.process.poll() is not None:
            xauthority = os.environ.get("XAUTHORITY", "")
            raise Failure(f"the program exited with status {self.process.returncode} (DISPLAY="
                          f"{os.environ.get('DISPLAY')}, XAUTHORITY={xauthority}, which "
                          f"{'exists' if os.path.exists(xauthority) else 'is missing'})")
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                continue
        return None

    def top_level(self, role, name=None):
        for i in range(self.app.childCount):
            window = self.app.getChildAtIndex(i)
            if window is None:
                continue
            if window.getRoleName() == role and (name is None or window.name == name):
                return window
        return None

    def find(self, root, role, name=None, timeout=WAIT):
        def probe():
            for _, node in walk(root):
                try:
                    if node.getRoleName() == role and (name is None or node.name == name):
                        return node
                except Exception:
                    continue
            return None
        return wait_for(f"{role} {name!r} in {describe(root)}", probe, timeout)

    def x_window(self, title_regex):
        out = run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), "--name",
                  title_regex, check=False)
        ids = out.split()
        return ids[-1] if ids else None

    # ---- acting ----

    @staticmethod
    def press(node, action="Press"):
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if action not in names:
            raise Failure(f"{describe(node)} has no action {action!r} (has {names})")
        actions.doAction(names.index(action))

    def menu_item(self, *path):
        node = self.main
        for caption in path:
            node = self.find(node, "menu item", caption)
        return node

    def focus(self, x_window):
        run("xdotool", "windowfocus", "--sync", x_window)

    def type_text(self, text):
        run("xdotool", "type", "--delay", "30", text)

    def key(self, *keys):
        run("xdotool", "key", "--delay", "50", *keys)

    def click(self, node):
        x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if width <= 0 or height <= 0:
            raise Failure(f"{describe(node)} is not on screen")
        run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")

    @staticmethod
    def text(node):
        return node.queryText().getText(0, -1)

    def history(self):
        box = self.find(self.main, "text", "Results history")
        # Lines typed one after another share a paragraph, as an opened file's do: within it a
        # line separator (U+2028), not a paragraph break, ends each line.
        return [line for line in self.text(box).replace("\u2028", "\n").split("\n") if line]

    def expression(self):
        return self.text(self.find(self.main, "text", "Expression"))

    def wait_history(self, expected):
        return wait_for(f"the history {expected}", lambda: self.history() == expected)

    def screenshot(self, name):
        path = os.path.join(SHOTS, name)
        run("/usr/bin/import", "-window", "root", path)
        return path

    def gone(self, window):
        def probe():
            for i in range(self.app.childCount):
                if self.app.getChildAtIndex(i) == window:
                    try:
                        return not window.getState().contains(pyatspi.STATE_SHOWING)
                    except Exception:
                        return True
            return True
        return probe

    # ---- reporting ----

    def dump(self):
        lines = []
        if not hasattr(self, "app"):
            return "(the program never reached the accessibility bus)"
        try:
            for depth, node in walk(self.app, limit=300):
                lines.append("  " * depth + describe(node))
        except Exception as error:
            lines.append(f"(tree unavailable: {error})")
        return "\n".join(lines)

    def close(self):
        if self.process is not None:
            stop_process(self.process)
        self.log.close()



def stop_process(process):
    """Ends a child politely, then firmly; returns once it is gone."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(5)


def evaluate_typed(calc, expression):
    calc.focus(calc.x_main)
    calc.type_text(expression)
    calc.key("Return")


def scenario(calc, steps):
    history = []

    steps.append("type an expression and press Enter")
    evaluate_typed(calc, "2+3*4")
    history.append("2+3*4= 14.00")
    calc.wait_history(history)
    wait_for("an empty input box", lambda: calc.expression() == "")

    steps.append("press keypad keys")
    for key in ("7", "multiply", "6", "evaluate"):
        calc.press(calc.find(calc.main, "push button", key))
    history.append("7*6= 42.00")
    calc.wait_history(history)

    steps.append("click a function list entry")
    calc.click(calc.find(calc.main, "list item", "sin()"))
    wait_for("sin() in the input box", lambda: calc.expression() == "sin()")
    evaluate_typed(calc, "pi/2")  # typed between the brackets, where the caret waits
    history.append("sin(pi/2)= 1.00")
    calc.wait_history(history)

    steps.append("switch precision to 4 decimal places")
    calc.press(calc.menu_item("Options", "Precision", "4 Decimal Places"))
    evaluate_typed(calc, "1/3")
    history.append("1/3= 0.3333")
    calc.wait_history(history)
    calc.screenshot("main-window.png")

    steps.append("cause an error and dismiss it")
    evaluate_typed(calc, "2+")
    error_box = wait_for("the error box", lambda: calc.top_level("alert"))
    texts = [describe(node) for _, node in walk(error_box)]
    if not any("Missing operand" in text for text in texts):
        raise Failure(f"the error box does not name the missing operand: {texts}")
    calc.screenshot("error-box.png")
    calc.press(calc.find(error_box, "push button", "OK"))
    wait_for("the error box to close", calc.gone(error_box))
    if calc.history() != history:
        raise Failure(f"a failed evaluation changed the history: {calc.history()}")
    calc.press(calc.find(calc.main, "push button", "clear"))
    wait_for("an empty input box", lambda: calc.expression() == "")

    steps.append("save the history through the file dialog")
    saved = os.path.join(calc.scratch, "results.rtf")
    calc.focus(calc.x_main)
    calc.key("ctrl+s")
    save_dialog = wait_for("the save dialog", lambda: calc.top_level("dialog"))
    x_dialog = wait_for("the save dialog on the X server", lambda: calc.x_window(f"^{save_dialog.name}$"))
    calc.screenshot("save-dialog.png")
    calc.focus(x_dialog)
    calc.type_text(saved)
    calc.key("Return")
    wait_for("the save dialog to close", calc.gone(save_dialog))
    wait_for(f"{saved} to be written", lambda: os.path.getsize(saved) > 0 if os.path.exists(saved) else False)
    with open(saved, "rb") as written:
        if not written.read(5) == b"{\\rtf":
            raise Failure(f"{saved} is not an RTF document")

    steps.append("start a new history, then open the saved one")
    calc.focus(calc.x_main)
    calc.key("ctrl+n")
    wait_for("an empty history", lambda: calc.history() == [])
    calc.key("ctrl+o")
    open_dialog = wait_for("the open dialog", lambda: calc.top_level("dialog"))
    x_dialog = wait_for("the open dialog on the X server", lambda: calc.x_window(f"^{open_dialog.name}$"))
    calc.focus(x_dialog)
    calc.type_text(saved)
    calc.key("Return")
    wait_for("the open dialog to close", calc.gone(open_dialog))
    calc.wait_history(history)

    steps.append("open and close the Quick Start Guide")
    calc.press(calc.menu_item("Help", "Quick Start Guide"))
    guide = wait_for("the Quick Start Guide", lambda: calc.top_level("dialog", "Quick Start Guide"))
    guide_text = calc.find(guide, "text", "Quick Start Guide text")
    if not calc.text(guide_text).startswith(GUIDE_FIRST_LINES):
        raise Failure(f"the guide starts with {calc.text(guide_text)[:80]!r}")
    for name in ("Play", "Stop", "Close"):
        calc.find(guide, "push button", name)
    if os.environ.get("FERROLIN_E2E_SPEECH") == "1":
        steps.append("read the guide aloud, the words highlighted but never selected, then stop")
        speechd_log = os.environ.get("FERROLIN_E2E_SPEECHD_LOG", "")
        calc.press(calc.find(guide, "push button", "Play"))

        def guide_played():
            # speech-dispatcher logs each message it hands to the synthesizer; the guide's first
            # line, between the word marks, is the message's first line.
            with open(speechd_log, errors="replace") as log:
                return any(re.sub(r"<[^>]*>", "", line.split("output module: |", 1)[-1]).strip() == "Quick Start Guide"
                           for line in log if "Command sent to output module: |" in line)
        if speechd_log:
            wait_for("the guide's reading to reach the speech service", guide_played, timeout=30)
        if guide_text.queryText().getNSelections() != 0:
            raise Failure("the reading selected text (a screen reader would read every selection)")
        calc.press(calc.find(guide, "push button", "Stop"))
    calc.screenshot("quick-start-guide.png")
    calc.press(calc.find(guide, "push button", "Close"))
    wait_for("the Quick Start Guide to close", calc.gone(guide))

    steps.append("open the About window, follow its link, close it")
    calc.press(calc.menu_item("Help", "About"))
    about = wait_for("the About window", lambda: calc.top_level("dialog", "Ferrolin"))
    for name in ("Ferrolin", "by the Ferrolin developers"):
        calc.find(about, "label", name)
    link = calc.find(about, "link", "Home page")
    calc.screenshot("about.png")
    calc.press(link)
    wait_for("the home page handed to the desktop",
             lambda: os.path.exists(calc.opened_urls) and HOME_PAGE in open(calc.opened_urls).read())
    calc.press(calc.find(about, "push button", "OK"))
    wait_for("the About window to close", calc.gone(about))
    # Without a speech service the stop that follows About fails: an error box, which is dismissed.
    if not os.environ.get("FERROLIN_E2E_SPEECH"):
        late_box = wait_for("the error box of the failed speech", lambda: calc.top_level("alert"))
        print("after About: " + "; ".join(describe(node) for _, node in walk(late_box)))
        calc.press(calc.find(late_box, "push button", "OK"))
        wait_for("that error box to close", calc.gone(late_box))

    steps.append("the history survived it all")
    calc.wait_history(history)
    calc.screenshot("main-window-end.png")


def report_failure(steps, error, calc, screenshot):
    """What a failed scenario leaves for its reader: the step, the error, a screenshot and the
    accessibility tree of the program as it was."""
    print(f"e2e FAILED at step {len(steps)}: {steps[-1] if steps else 'start-up'}", file=sys.stderr)
    print(f"  {error}", file=sys.stderr)
    traceback.print_exc()
    if calc is None or calc.process is None:
        return
    try:
        print(f"  screen saved as {calc.screenshot(screenshot)}", file=sys.stderr)
    except Exception as shot_error:
        print(f"  (no screenshot: {shot_error})", file=sys.stderr)
    print("---- what was on screen (accessibility tree) ----", file=sys.stderr)
    print(calc.dump(), file=sys.stderr)


def main():
    steps = []
    calc = None
    try:
        calc = Calculator()
        calc.start()
        scenario(calc, steps)
        print(f"e2e: {len(steps)} steps passed; screenshots in {SHOTS}")
        return 0
    except Exception as error:
        report_failure(steps, error, calc, "failure.png")
        if calc is not None and calc.process is not None:
            try:
                print("---- X windows ----", file=sys.stderr)
                print(run("xdotool", "search", "--onlyvisible", "--pid", str(calc.process.pid),
                          "getwindowname", "%@", check=False), file=sys.stderr)
            except Exception:
                pass
        return 1
    finally:
        if calc is not None:
            calc.close()
            with open(calc.log_path) as log:
                output = log.read().strip()
            if output:
                print("---- the program's output ----\n" + output, file=sys.stderr)
            shutil.rmtree(calc.scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
