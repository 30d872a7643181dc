#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator heard through Orca in German: a German desktop (LANG=de_DE.UTF-8) hears the
window's names, menus and messages in German from both Orca and the calculator.

Run by scripts/run-e2e like test_screen_reader.py, whose Orca driver it shares. Exit status 77
(skipped) when Orca or the German locale is missing, unless FERROLIN_REQUIRE_SERVICES=1."""

import os
import shutil
import subprocess
import sys
import traceback

os.environ.pop("LC_ALL", None)
os.environ.pop("LC_MESSAGES", None)
os.environ["LANG"] = "de_DE.UTF-8"
os.environ["LANGUAGE"] = "de"

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_calculator import Calculator, wait_for  # noqa: E402
from test_screen_reader import Orca, key_then_hear  # noqa: E402


class GermanCalculator(Calculator):
    """The same window, its boxes found by their German names."""

    def history(self):
        box = self.find(self.main, "text", "Ergebnisverlauf")
        return [line for line in self.text(box).split("\n") if line]

    def expression(self):
        return self.text(self.find(self.main, "text", "Ausdruck"))


def scenario(calc, orca, steps, transcript):
    steps.append("Orca presents the expression box by its German name")
    orca.wait_say("the expression box", r"^Ausdruck")

    steps.append("the result after Enter is announced as a German notification")
    calc.type_text("2+3")
    # LANG sets LC_NUMERIC too: the decimal comma is the locale's.
    key_then_hear(calc, orca, ["Return"], "the result", r"^Benachrichtigung 2\+3= 5,00", transcript)
    calc.wait_history(["2+3= 5,00"])

    steps.append("an error is read in German, the quoted expression as typed")
    calc.type_text("sin 30")
    key_then_hear(calc, orca, ["Return"], "the German error", r"\bsin30\s+Nicht auswertbar: sin30\b", transcript)
    key_then_hear(calc, orca, ["Return"], "the expression box again", r"^Ausdruck", transcript)
    calc.key("ctrl+a", "BackSpace")

    steps.append("Alt+D opens the Datei menu; its items are German")
    key_then_hear(calc, orca, ["alt+d"], "the first item", r"^Neu\b", transcript, pace="human")
    key_then_hear(calc, orca, ["Down"], "the second item", r"^Öffnen", transcript)
    key_then_hear(calc, orca, ["Escape"], "the menu's title", r"^Datei\b", transcript)
    key_then_hear(calc, orca, ["Escape"], "the expression box", r"^Ausdruck", transcript)


def main():
    require = os.environ.get("FERROLIN_REQUIRE_SERVICES") == "1"
    locales = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    if not os.path.exists("/usr/bin/orca") or "de_DE.utf8" not in locales:
        print("test_screen_reader_german: needs orca and the de_DE.UTF-8 locale (scripts/generate-locales)",
              file=sys.stderr)
        return 1 if require else 77
    steps, transcript = [], []
    calc = GermanCalculator()
    orca = Orca(calc.scratch)
    try:
        wait_for("Orca to start", lambda: orca.utterances(), timeout=60)
        calc.start()
        scenario(calc, orca, steps, transcript)
        print(f"e2e: {len(steps)} steps passed with Orca in German")
        return 0
    except Exception as error:
        print(f"e2e FAILED at step {len(steps)}: {steps[-1] if steps else 'start-up'}\n  {error}", file=sys.stderr)
        traceback.print_exc()
        if calc.process is not None:
            print(calc.dump(), file=sys.stderr)
        return 1
    finally:
        for keys, said in transcript:
            print(f"  {keys}: {said}")
        orca.close()
        calc.close()
        shutil.rmtree(calc.scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
