"""The calculator as a blind user meets it, in a real desktop session started by run.sh.

    e2e.py talking NUMIVOX SESSION_DIR   speech and sound work; the speech daemon dies mid-run
    e2e.py silent NUMIVOX SESSION_DIR    no sound device, or no speech daemon at all
"""

import os
import sys
import time

from desktop import Failure, Monitor, Numivox, Session, SpeechLog, check, wait_until

DIGIT_KEYS = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"]
ALL_KEYS = DIGIT_KEYS + ["point", "plus", "minus", "times", "divide by", "equals",
                         "clear work area", "clear all"]
QUIT_WITHIN_S = 1.0


def expected_events(phrases):
    """Phrases as the program should hand them over: a leading "!" marks one that interrupts
    the program's own speech, so a cancel of its own speech comes first."""
    events = []
    for phrase in phrases:
        if phrase.startswith("!"):
            events += [("cancel", "self"), ("speak", phrase[1:])]
        else:
            events.append(("speak", phrase))
    return events


class Calculator:
    def __init__(self, app, log):
        self.app, self.log = app, log

    def step(self, act, phrases, display=None, optional_prefix=()):
        """Acts, then waits until the phrases reached the daemon in order (or, for a silent step,
        until the display shows the expected text) and checks nothing else was said."""
        mark = len(self.log.events())
        act()
        expected = expected_events(phrases)
        if expected:
            wait_until(f"the phrases {phrases}",
                       lambda: len(self.log.events()) - mark >= len(expected))
        if display is not None:
            wait_until(f'the display to read "{display}" (it reads "{self.app.display()}")',
                       lambda: self.app.display() == display, timeout=3)
        said = self.log.events()[mark:]
        optional = expected_events(optional_prefix)
        if said[: len(optional)] == optional and said != expected:
            said = said[len(optional):]
        check(said == expected, f"expected the daemon to receive {expected}, it got {said}")

    def click(self, key, phrases, display=None, **options):
        self.step(lambda: self.app.press(key), phrases, display, **options)

    def type(self, key, phrases, display=None):
        self.step(lambda: self.app.type(key), phrases, display)


def wait_ready(app, log):
    """Waits for the window, "ready" and the keys; returns the start-up figures."""
    app.window_id()
    mapped = time.monotonic() - app.started
    wait_until('"ready"', lambda: log.events()[:1] == [("speak", "ready")], timeout=10)
    spoken = time.monotonic() - app.started
    check(app.frame_names() == [Numivox.TITLE], f"windows on AT-SPI: {app.frame_names()}")
    wait_until("the keys to be enabled", lambda: app.enabled("one"), timeout=5)
    enabled = time.monotonic() - app.started
    check(enabled >= 1.0, f"the keys were enabled {enabled:.2f} s after launch, before 1 s")
    check(all(app.enabled(key) for key in ALL_KEYS), "not every key is enabled")
    with open(f"/proc/{app.process.pid}/status") as status:
        rss = next(line.split()[1] for line in status if line.startswith("VmRSS:"))
    print(f"start-up: window mapped {mapped * 1000:.0f} ms, \"ready\" received "
          f"{spoken * 1000:.0f} ms, keys enabled {enabled * 1000:.0f} ms after launch; "
          f"resident {int(rss) / 1024:.1f} MiB")


def quit_by_keyboard(app):
    app.focus()
    pressed = time.monotonic()
    app.type("ctrl+q")
    status = app.wait_exit(timeout=5)
    took = time.monotonic() - pressed
    print(f"quit: exit status {status}, {took * 1000:.0f} ms after Ctrl+Q")
    check(status == 0, f"the program exited with status {status}")
    check(took <= QUIT_WITHIN_S, f"Ctrl+Q took {took:.2f} s to end the program")


def talking(app, session):
    log, monitor = SpeechLog(session), Monitor(session)
    calculator = Calculator(app, log)
    wait_ready(app, log)
    check(app.display() == "" and app.transcript() == "", "the window did not open empty")

    for key, phrases, display in [("one", ["!one"], "1"), ("two", ["!two"], "12"),
                                  ("plus", ["!plus"], "12"), ("three", ["!three"], "3"),
                                  ("equals", ["!equals", "15"], "15")]:
        calculator.click(key, phrases, display)
    check(app.transcript() == "12\n+ 3\n---\n15\n\n", f"transcript: {app.transcript()!r}")
    calculator.click("clear work area", ["!clear work area"], "")
    check(app.transcript() == "12\n+ 3\n---\n15\n\n", "clear work area emptied the transcript")

    # Typed keys: digits echo as themselves without interrupting; operators press their keys.
    app.focus()
    for key, phrases, display in [("7", ["7"], "7"), ("asterisk", ["!times"], "7"),
                                  ("6", ["6"], "6"), ("equal", ["!equals", "42"], "42"),
                                  ("9", ["9"], "9"), ("BackSpace", ["backspace"], ""),
                                  ("period", ["point"], "."), ("period",
                                  ["!decimal point is already included"], ".")]:
        calculator.type(key, phrases, display)
    check(app.transcript().endswith("7\nx 6\n---\n42\n\n"), f"transcript: {app.transcript()!r}")

    calculator.click("clear all", ["!clear all"], "")
    check(app.transcript() == "", "clear all left the transcript")
    for key, phrases in [("five", ["!five"]), ("divide by", ["!divide by"]), ("zero", ["!zero"])]:
        calculator.click(key, phrases)
    # "equals" cuts "INFINITY" off at once, so it may supersede it before it reaches the daemon.
    calculator.click("equals", ["!equals", "Infinity"], "Infinity", optional_prefix=["!INFINITY"])
    check(app.transcript() == "5\n/ 0\n---------\nInfinity\n\n", f"transcript: {app.transcript()!r}")
    check(("cancel", "all") not in log.events(), "the program cancelled other programs' speech")

    sound = monitor.sound_seconds()
    print(f"sound: {sound:.2f} s of non-silent audio on the monitor")
    check(sound >= 0.5, f"only {sound:.2f} s of sound came out")

    speech_fault(app, session, log, monitor)
    # The Help command's shortcut reaches the menu bar from the display; quitting closes it too.
    app.focus()
    app.type("ctrl+h")
    wait_until("the Help window", lambda: "Help" in app.frame_names(), timeout=5)
    quit_by_keyboard(app)


def speech_fault(app, session, log, monitor):
    """The speech daemon dies: the calculator answers every key all the same, and speaks again
    once a daemon is back."""
    session.stop_speech_daemon()
    app.press("clear all")
    wait_until("a clear calculator", lambda: app.transcript() == "", timeout=2)
    for key, display, transcript in [("eight", "8", ""), ("plus", "8", "8\n+ "),
                                      ("one", "1", "8\n+ "), ("equals", "9", "8\n+ 1\n--\n9\n\n")]:
        pressed = time.monotonic()
        app.press(key)
        wait_until(f'"{key}" to take effect without speech',
                   lambda: (app.display(), app.transcript()) == (display, transcript), timeout=2)
        print(f"without a daemon: {key} answered in {(time.monotonic() - pressed) * 1000:.0f} ms")

    session.start_speech_daemon()
    sound_before = monitor.position()
    mark = len(log.events())
    app.press("seven")
    wait_until('"seven" through the new daemon', lambda: ("speak", "seven") in log.events()[mark:])
    wait_until("sound from the new daemon", lambda: monitor.sound_seconds(sound_before) > 0.1)
    check(app.display() == "7", f'display "{app.display()}" after the daemon came back')


def silent(app, session):
    log = SpeechLog(session)
    app.window_id()
    wait_until("the keys to be enabled", lambda: app.enabled("one"), timeout=5)
    for key, display in [("one", "1"), ("plus", "1"), ("two", "2"), ("equals", "3")]:
        app.press(key)
        wait_until(f'"{key}" to take effect', lambda: app.display() == display, timeout=2)
    check(app.transcript() == "1\n+ 2\n--\n3\n\n", f"transcript: {app.transcript()!r}")
    app.focus()
    app.type("4")
    wait_until("a typed digit", lambda: app.display() == "4", timeout=2)
    quit_by_keyboard(app)
    if os.path.exists(session.path("speechd.sock")):
        check(log.phrases()[:1] == ["ready"], "the daemon without sound heard nothing")
    else:
        # Its address points at no daemon, so the program must not have left one running.
        daemons = [line for line in session.leftovers() if "speech-dispatcher" in line]
        check(not daemons, f"a speech daemon outlived the program: {daemons}")


def main():
    scenario, executable, directory = sys.argv[1:4]
    session = Session(directory)
    app = Numivox(executable, session.path("logs/numivox.log"))
    try:
        {"talking": talking, "silent": silent}[scenario](app, session)
    except Failure as failure:
        print(f"FAIL ({scenario}): {failure}", file=sys.stderr)
        return 1
    finally:
        app.kill()
    print(f"PASS ({scenario})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
