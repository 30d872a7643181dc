#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculator heard through Debian's Orca screen reader and worked from the keyboard alone.

Run by scripts/run-e2e (private X server, D-Bus session with the accessibility bus, a private
speech-dispatcher logging at level 5). Orca runs in the same session with a private home and a
debug log; what it says is read from the log's "SPEECH OUTPUT" lines, and when a message really
started playing from speech-dispatcher's log. Keys are real X key events (xdotool).

Exit status 77 (skipped) when Orca is not installed, unless FERROLIN_REQUIRE_SERVICES=1."""

import html
import os
import re
import shutil
import subprocess
import sys
import time
import traceback
from datetime import datetime

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_calculator import Calculator, Failure, run, stop_process, wait_for  # noqa: E402
import pyatspi  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ORCA_RUN = os.path.join(HERE, "..", "..", "scripts", "test-env", "orca-run.py")
SPEECHD_LOG = os.environ.get("FERROLIN_E2E_SPEECHD_LOG", "")
# One utterance; a text with line breaks (an alert's message) continues on indented lines.
SAID = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '((?:[^\n]|\n(?= ))*?)' ?\[?\{'established",
                  re.M)
WAIT = 20.0      # seconds for Orca to say something at all (Orca itself can be slow to start)
PROMPT = 1.0     # what the issue allows between a key and Orca's speech starting to play
GUIDE_START = 1.0   # between Orca falling silent and the Guide's first words
GUIDE_RESUME = 1.5  # between Orca falling silent and the Guide going on after Orca cut it


class Orca:
    def __init__(self, scratch):
        self.log_path = os.path.join(scratch, "orca-debug.log")
        home = os.path.join(scratch, "orca-home")
        os.makedirs(home, exist_ok=True)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"))
        self.output = open(os.path.join(scratch, "orca-output.log"), "w")
        self.process = subprocess.Popen(["/usr/bin/python3", ORCA_RUN, self.log_path],
                                        stdout=self.output, stderr=subprocess.STDOUT, env=env)
        self.seen = 0  # utterances already looked at

    def utterances(self):
        """[(wall-clock time, text)] of every SPEECH OUTPUT line so far."""
        result = []
        today = datetime.now().date()
        try:
            with open(self.log_path, errors="replace") as log:
                content = log.read()
        except FileNotFoundError:
            return result
        for match in SAID.finditer(content):
            hours, minutes, seconds, text = match.groups()
            stamp = datetime.combine(today, datetime.min.time()).timestamp() + \
                int(hours) * 3600 + int(minutes) * 60 + float(seconds)
            result.append((stamp, re.sub(r"\n\s*", "\n", text)))
        return result

    def mark(self):
        self.seen = len(self.utterances())

    def since_mark(self):
        return [text for _, text in self.utterances()[self.seen:]]

    def wait_say(self, what, pattern, timeout=WAIT):
        """Waits until Orca says something matching `pattern` after the last mark; returns
        (time, text)."""
        regex = re.compile(pattern)

        def probe():
            for stamp, text in self.utterances()[self.seen:]:
                if regex.search(text):
                    return stamp, text
            return None
        try:
            return wait_for(f"Orca to say {what}", probe, timeout)
        except Failure as error:
            raise Failure(f"{error}; it said {self.since_mark()}") from None

    def close(self):
        stop_process(self.process)
        self.output.close()


class Phrase:
    """One message handed to the synthesizer: when, its words, and each index mark's word."""
    def __init__(self, started, ssml):
        self.started = started
        self.marks = {name: html.unescape(word) for name, word in
                      re.findall(r'<mark name="([^"]+)"/>([^<\s]*)', ssml)}
        self.words = html.unescape(re.sub(r"<[^>]*>", " ", ssml)).split()


def speech_events(after):
    """speech-dispatcher's log from `after` on (wall clock): [(time, kind, detail)], kind "play"
    (a message handed to the synthesizer, detail its SSML), "queued" (a message received, the
    same), "silent" (a message ended or was cut,
    detail "end" or "stopped") or "mark" (an index mark reached, detail its name)."""
    if not SPEECHD_LOG or not os.path.exists(SPEECHD_LOG):
        return []
    with open(SPEECHD_LOG, errors="replace") as log:
        content = log.read()
    events, last = [], 0.0
    # A message's text may run over several lines: up to the next line with a time stamp.
    for match in re.finditer(r"^\[\w+ (\w+ +\d+ \d\d:\d\d:\d\d \d{4}) : (\d+)\] speechd: +(.*(?:\n(?!\[).*)*)",
                             content, re.M):
        stamp = datetime.strptime(match.group(1), "%b %d %H:%M:%S %Y").timestamp() + int(match.group(2)) / 1e6
        # The log takes its seconds and its microseconds from two clocks: in the first
        # milliseconds of a second the seconds can still be the last second's.
        if stamp < last:
            stamp += 1
        last = stamp
        if stamp < after - 0.001:
            continue
        said = match.group(3)
        if said.startswith("Queueing message |<speak>"):
            events.append((stamp, "queued", said.split("|", 1)[1]))
        elif said.startswith("Command sent to output module: |<speak>"):
            events.append((stamp, "play", said.split("|", 1)[1]))
        elif said.startswith("INDEX MARK: __spd_end") or said.startswith("INDEX MARK: __spd_stopped"):
            events.append((stamp, "silent", said.split("__spd_", 1)[1].strip()))
        elif said.startswith("INDEX MARK: "):
            events.append((stamp, "mark", said.split(": ", 1)[1].strip()))
    return events


def played(after):
    """[(time, text without markup)] of each message handed to the synthesizer from `after` on."""
    return [(stamp, re.sub(r"<[^>]*>", "", detail)) for stamp, kind, detail in speech_events(after) if kind == "play"]


def played_at(text, after):
    """When a message containing `text` first started playing after `after`."""
    return next((stamp for stamp, shown in played(after) if text in shown), None)


def is_ours(ssml):
    """This program's speech: its marks name the phrase and the word."""
    return re.search(r'<mark name="w\d+_', ssml) is not None


def next_guide_phrase(after):
    """The first of the Guide's phrases (this program's only speech then) that started playing
    after `after`, or None."""
    for stamp, kind, detail in speech_events(after):
        if kind == "play" and is_ours(detail):
            return Phrase(stamp, detail)
    return None


def queued_after(after):
    return any(kind == "queued" and is_ours(detail) for _, kind, detail in speech_events(after))


def guide_words(after):
    """{mark name: word} of the Guide's phrases played from `after` on."""
    words = {}
    for stamp, kind, detail in speech_events(after):
        if kind == "play" and is_ours(detail):
            words.update(Phrase(stamp, detail).marks)
    return words


def guide_marks(after, before=None):
    """[(time, name)] of the Guide's word marks reached from `after` on (and before `before`)."""
    return [(stamp, detail) for stamp, kind, detail in speech_events(after)
            if kind == "mark" and detail.startswith("w") and (before is None or stamp < before)]


def stopped_after(after):
    for stamp, kind, detail in speech_events(after):
        if kind == "silent" and detail == "stopped":
            return stamp
    return None


def others_silent(since, until):
    """When the speech service last fell silent after speech of another program than this one,
    between `since` and `until`; `since` when it did not. Speech plays at a loudspeaker's pace, so
    Orca's own speech queues behind itself (its key echo before a result); what must never hold
    it back is this program's speech, whose end therefore does not count."""
    silent, ours = since, False
    for stamp, kind, detail in speech_events(0):
        if stamp >= until:
            break
        if kind == "play":
            ours = is_ours(detail)
        elif kind == "silent" and stamp >= since and not ours:
            silent = stamp
    return silent


def check_prompt(what, phrase, since, allowed):
    """The phrase started within `allowed` seconds of `since`, or of Orca falling silent after it."""
    delay = phrase.started - others_silent(since, phrase.started)
    if delay > allowed:
        raise Failure(f"{what} started playing {delay:.2f} s after Orca fell silent (allowed {allowed} s)")
    return delay


def key_then_hear(calc, orca, keys, what, pattern, transcript, prompt=None, pace="chord"):
    """Presses `keys` once, waits until Orca says `pattern`; with `prompt`, also checks that the
    utterance started playing within that many seconds of the key, or of the end of what Orca was
    still saying (others_silent).
    `pace` is how a modifier chord such as "alt+f" is pressed: "chord" presses its keys together
    (xdotool, a few milliseconds apart), "human" holds the modifier 120 ms before the letter.
    A fast chord is the hard case for menus: with Orca running, Qt 6.4's accessibility bridge holds
    every key press until Orca has answered and then posts it again, while shortcuts act at once;
    so Alt+F has opened the File menu when the chord's own Alt press arrives, and a menu closes on
    Alt. The window ignores that late Alt press; nothing here presses a key twice."""
    orca.mark()
    pressed = time.time()
    if pace == "human":
        for key in keys:
            *modifiers, last = key.split("+")
            for modifier in modifiers:
                run("xdotool", "keydown", modifier)
            time.sleep(0.12)  # a person's hand, not a wait for the program
            run("xdotool", "key", last)
            for modifier in reversed(modifiers):
                run("xdotool", "keyup", modifier)
    else:
        calc.key(*keys)
    _, text = orca.wait_say(what, pattern)
    label = " ".join(keys) + ("  [at human pace]" if pace == "human" else "")
    transcript.append((label, orca.since_mark()))
    if prompt is not None and SPEECHD_LOG:
        spoken = re.sub(r"[.]$", "", text)
        started = wait_for(f"speech-dispatcher to play {spoken!r}",
                           lambda: played_at(spoken[:40], pressed), timeout=WAIT)
        delay = started - others_silent(pressed, started)
        if delay > prompt:
            raise Failure(f"{spoken!r} started playing {delay:.2f} s after {keys}, or after Orca's speech before "
                          f"it (allowed {prompt} s)")
        transcript[-1] = (transcript[-1][0] + f"  [playing after {delay:.2f} s]", transcript[-1][1])
    return text


def close_menu(calc, orca, transcript):
    """Closes a menu that Alt+letter opened: Escape closes it and leaves its title active in the
    menu bar, a second Escape, once Orca has said the title, gives the expression box the keyboard
    again. (Pressed at once, the second Escape is lost now and then with Orca running, after
    Alt+letter and after F10 alike, leaving the title active: most likely the accessibility
    bridge holds it for the menu, which the first one has closed by the time it is posted again.)"""
    key_then_hear(calc, orca, ["Escape"], "the menu's title in the menu bar", r"^(File|Edit|Options|Help)\b",
                  transcript)
    key_then_hear(calc, orca, ["Escape"], "the expression box", r"^Expression text", transcript)


def scenario(calc, orca, steps, transcript):
    steps.append("Orca presents the window (the window manager gives it the focus)")
    orca.wait_say("the expression box", r"^Expression text")

    steps.append("the result after Enter is read, Audio off, focus kept in the expression box")
    calc.type_text("2+3")
    key_then_hear(calc, orca, ["Return"], "the result", r"2\+3= 5\.00", transcript, prompt=PROMPT)
    calc.wait_history(["2+3= 5.00"])

    steps.append("an error is read from its box, the message in full")
    calc.type_text("sin 30")
    key_then_hear(calc, orca, ["Return"], "the error's message", r"\bsin30\s+Unable to evaluate sin30\b",
                  transcript)
    said = orca.since_mark()
    if not any(re.match(r"^alert Ferrolin\b", text) for text in said):
        raise Failure(f"the error was not presented as an alert: {said}")
    steps.append("closing the error box gives the expression box its focus back")
    key_then_hear(calc, orca, ["Return"], "the expression box again", r"^Expression text", transcript)
    wait_for("the error box gone", lambda: calc.top_level("alert") is None)
    wait_for("the failed expression kept", lambda: calc.expression() == "sin 30")
    calc.key("ctrl+a", "BackSpace")

    for pace in ("chord", "human"):
        steps.append(f"Alt+F ({pace}) opens the File menu, which stays open, and types nothing")
        key_then_hear(calc, orca, ["alt+f"], "the File menu's first item", r"^New", transcript, pace=pace)
        key_then_hear(calc, orca, ["Down"], "the File menu's second item (the menu is still open)",
                      r"^Open", transcript)
        close_menu(calc, orca, transcript)
        if calc.expression() != "":
            raise Failure(f"Alt+F typed into the expression: {calc.expression()!r}")

    steps.append("F10 opens the menu bar")
    key_then_hear(calc, orca, ["F10"], "the File menu", r"^(File|New)", transcript)
    # F10 leaves the focus on the menu's title, so closing the menu is not spoken: the second
    # Escape waits until the menu is seen closed (at once, it can be lost, see close_menu).
    popup = calc.find(calc.main, "menu item", "File").getChildAtIndex(0)
    calc.key("Escape")
    wait_for("the File menu to close", lambda: not popup.getState().contains(pyatspi.STATE_SHOWING))
    key_then_hear(calc, orca, ["Escape"], "the expression box", r"^Expression text", transcript)

    steps.append("Audio's state is spoken")
    key_then_hear(calc, orca, ["alt+o"], "Audio unchecked", r"^Audio, not checked", transcript)
    key_then_hear(calc, orca, ["Return"], "the expression box", r"^Expression text", transcript)
    key_then_hear(calc, orca, ["alt+o"], "Audio checked", r"^Audio checked", transcript, pace="human")
    close_menu(calc, orca, transcript)

    steps.append("browsing the function list inserts nothing; Enter inserts the entry")
    key_then_hear(calc, orca, ["Tab"], "the list", r"^Functions", transcript)
    key_then_hear(calc, orca, ["Down"], "the second entry", r"^cos\(\)", transcript)
    key_then_hear(calc, orca, ["End"], "the last entry", r"^variance\(\)", transcript)
    key_then_hear(calc, orca, ["Home"], "the first entry", r"^sin\(\)", transcript)
    if calc.expression() != "":
        raise Failure(f"browsing the list inserted {calc.expression()!r}")
    key_then_hear(calc, orca, ["Return"], "the expression box", r"^Expression text", transcript)
    wait_for("sin() inserted", lambda: calc.expression() == "sin()")

    steps.append("Enter on a focused keypad key presses it")
    calc.key("ctrl+a", "BackSpace")
    seven = calc.find(calc.main, "push button", "7")
    orca.mark()
    seven.queryComponent().grabFocus()
    orca.wait_say("the key", r"^7")
    key_then_hear(calc, orca, ["Return"], "the key's focus moving back", r"^Expression text", transcript)
    wait_for("7 inserted and kept", lambda: calc.expression() == "7")

    steps.append("Up and Down recall the expressions of this run")
    calc.key("BackSpace")
    key_then_hear(calc, orca, ["Up"], "the last expression", r"2\+3", transcript)
    wait_for("2+3 recalled", lambda: calc.expression() == "2+3")
    calc.key("Down")
    wait_for("back to the empty typing", lambda: calc.expression() == "")

    steps.append("with Audio on, each result is heard once and Orca is not held back")
    calc.type_text("1+1")
    started = time.time()
    key_then_hear(calc, orca, ["Return"], "the result", r"1\+1= 2\.00", transcript, prompt=PROMPT)
    calc.wait_history(["2+3= 5.00", "1+1= 2.00"])
    key_then_hear(calc, orca, ["a"], "the next key", r"^a", transcript, prompt=PROMPT)
    if SPEECHD_LOG:
        results = [text for _, text in played(started) if "Result" in text]
        if results:
            raise Failure(f"the result was also spoken by the window: {results}")
    calc.key("BackSpace")
    key_then_hear(calc, orca, ["alt+o"], "Audio checked", r"^Audio checked", transcript)
    key_then_hear(calc, orca, ["Return"], "the expression box", r"^Expression text", transcript)

    steps.append("F1 opens the Guide; Play pressed while Orca talks starts the reading as Orca falls silent")
    key_then_hear(calc, orca, ["F1"], "the Guide", r"Quick Start Guide dialog", transcript)
    key_then_hear(calc, orca, ["Tab"], "Play", r"^Play push button", transcript)
    pressed = time.time()
    calc.key("space")  # at once: Orca is still saying "Play push button"
    orca.wait_say("the guide's text box taking the focus", r"^Quick Start Guide text")
    if SPEECHD_LOG:
        # Orca speaks again (its echo of a key the window ignores) while the reading may still
        # wait behind it: a waiting reading is dropped then, and must be handed over again.
        wait_for("the Guide's reading to reach the speech service", lambda: queued_after(pressed))
        calc.key("shift")
        first = wait_for("the Guide's reading to start playing", lambda: next_guide_phrase(pressed))
        if not first.words[:3] == ["Quick", "Start", "Guide"]:
            raise Failure(f"the Guide's reading began at {' '.join(first.words[:5])!r}, not at its start")
        delay = check_prompt("the Guide's first words", first, pressed, GUIDE_START)
        transcript.append(("space on Play", [f"the Guide plays {delay:.2f} s after Orca fell silent"]))

    steps.append("Orca cuts the reading; it goes on from its word once Orca falls silent")
    if SPEECHD_LOG:
        wait_for("the Guide's third word", lambda: len(guide_marks(first.started)) >= 3)
    tab = time.time()
    key_then_hear(calc, orca, ["Tab"], "Play", r"^Play push button", transcript, prompt=PROMPT)
    if SPEECHD_LOG:
        cut = wait_for("the Guide's reading to be cut", lambda: stopped_after(tab))
        heard = guide_marks(first.started, before=cut)
        word = guide_words(first.started).get(heard[-1][1]) if heard else first.words[0]
        resumed = wait_for("the Guide's reading to go on", lambda: next_guide_phrase(cut))
        if not resumed.words or resumed.words[0] != word:
            raise Failure(f"the reading was cut at {word!r} and went on at {' '.join(resumed.words[:3])!r}")
        delay = check_prompt("the reading's next words", resumed, cut, GUIDE_RESUME)
        transcript.append(("Tab cut the Guide", [f"it goes on at {word!r} {delay:.2f} s after Orca fell silent"]))
    key_then_hear(calc, orca, ["Tab"], "Stop", r"^Stop push button", transcript, prompt=PROMPT)
    selected = [text for text in orca.since_mark() if re.search(r"\b(un)?selected\b", text)]
    if selected:
        raise Failure(f"Orca read the highlight as selections: {selected[:5]}")
    key_then_hear(calc, orca, ["Return"], "nothing but the key (Stop pressed)", r"^return", transcript)
    orca.mark()
    calc.key("Escape")
    wait_for("the Guide closed", lambda: calc.top_level("dialog", "Quick Start Guide") is None)
    orca.wait_say("the main window again", r"^(Ferrolin 2009|Expression)")


def main():
    if not os.path.exists("/usr/bin/orca"):
        print("test_screen_reader: orca is not installed (scripts/install-deps e2e-test)", file=sys.stderr)
        return 1 if os.environ.get("FERROLIN_REQUIRE_SERVICES") == "1" else 77
    if not SPEECHD_LOG and os.environ.get("FERROLIN_REQUIRE_SERVICES") == "1":
        print("test_screen_reader: no speech-dispatcher log to time speech by", file=sys.stderr)
        return 1
    steps, transcript = [], []
    calc = orca = None
    try:
        calc = Calculator()
        orca = Orca(calc.scratch)
        wait_for("Orca to start", lambda: any("Screen reader on" in t for _, t in orca.utterances()),
                 timeout=60)
        calc.start()
        scenario(calc, orca, steps, transcript)
        print(f"e2e: {len(steps)} steps passed with Orca")
        return 0
    except Exception as error:
        print(f"e2e FAILED at step {len(steps)}: {steps[-1] if steps else 'start-up'}", file=sys.stderr)
        print(f"  {error}", file=sys.stderr)
        traceback.print_exc()
        if orca is not None:
            kept = os.path.join(os.environ.get("FERROLIN_BINARY_DIR", "."), "screenshots", "orca-debug.log")
            os.makedirs(os.path.dirname(kept), exist_ok=True)
            shutil.copy(orca.log_path, kept)
            print(f"  Orca's debug log kept as {kept}", file=sys.stderr)
        if calc is not None and calc.process is not None:
            print("---- what was on screen (accessibility tree) ----", file=sys.stderr)
            print(calc.dump(), file=sys.stderr)
        return 1
    finally:
        print("---- what Orca said, key by key ----")
        for keys, said in transcript:
            print(f"  {keys}: {said}")
        if orca is not None:
            orca.close()
        if calc is not None:
            calc.close()
            shutil.rmtree(calc.scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
