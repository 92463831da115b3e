"""The calculator as a blind user meets it, in a real desktop session started by run.sh.

    e2e.py talking NUMIVOX SESSION_DIR   speech and sound work; the speech daemon dies mid-run
    e2e.py reader NUMIVOX SESSION_DIR    beside a screen reader (session.sh --screen-reader)
    e2e.py silent NUMIVOX SESSION_DIR    no sound device, or no speech daemon at all
"""

import os
import sys
import time

import speechd

from desktop import Failure, Monitor, Numivox, Session, SpeechLog, check, wait_until

DIGIT_KEYS = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"]
ALL_KEYS = DIGIT_KEYS + ["point", "plus", "minus", "times", "divide by", "equals",
                         "clear work area", "clear all"]
QUIT_WITHIN_S = 1.0
# The result's target is 1 s after "=", and the figures are printed; a busy machine adds to them,
# so only a result kept waiting behind more than the screen reader's own echo fails the test.
RESULT_WITHIN_S = 1.5
# Typed keys of a sum, each with the screen reader's echo of it.
TYPED_SUM = [("1", "1"), ("2", "2"), ("plus", "plus"), ("3", "3"), ("equal", "equals")]
# Sound leaves the daemon about 30 ms after it reports a message's begin or end.
OUTPUT_LAG_S = 0.03


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

    def step(self, act, phrases, display=None):
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
        check(said == expected, f"expected the daemon to receive {expected}, it got {said}")

    def click(self, key, phrases, display=None):
        self.step(lambda: self.app.press(key), phrases, display)

    def type(self, key, phrases, display=None):
        self.step(lambda: self.app.type(key), phrases, display)


def wait_ready(app, log):
    """Waits for the window, "ready" and the keys; returns the start-up figures."""
    mark = len(log.events())
    app.window_id()
    mapped = time.monotonic() - app.started
    wait_until('"ready"', lambda: log.events()[mark:mark + 1] == [("speak", "ready")], timeout=10)
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


def own(log, since):
    return [message for message in log.messages(since) if message.client == "numivox"]


def others(log, since):
    return [message for message in log.messages(since) if message.client != "numivox"]


def settle(log, monitor, since):
    """Waits until every other client's message since then has stopped and all has been silent
    for 0.5 s, from 0.5 s after the last message was queued or stopped: longer than the daemon
    holds the output between messages."""
    def settled():
        messages = log.messages(since)
        if not all(m.stop for m in messages if m.client != "numivox"):
            return False
        last = max([since] + [m.queued for m in messages] + [m.stop for m in messages if m.stop])
        return monitor.recorded_until() >= last + 1.0 and monitor.silent_for(0.5)

    wait_until("the speech to end", settled, timeout=15, interval=0.05)


def check_others_untouched(log, since):
    """Numivox cancels only its own speech, and no other client loses a message to it."""
    requests = log.requests(since)
    check(all(detail == "self" for client, _, kind, detail in requests
              if client == "numivox" and kind == "cancel"), "the program cancelled others' speech")
    for message in others(log, since):
        check(not message.canceled or any(
            client == message.client and kind == "cancel" and message.queued <= when <= message.stop
            for client, when, kind, _ in requests), f"{message} was cancelled by another client")


def paced_run(log, monitor, actions, pace, program_says):
    """In silence, runs the actions pace seconds apart as a hand would (each returns its moment),
    checks what the program said, lets all speech end; returns the start and the moments."""
    settle(log, monitor, 0)
    since, moments = time.time(), []
    for act in actions:
        if moments:
            time.sleep(max(0.0, moments[-1] + pace - time.time()))
        moments.append(act())
    wait_until(f"the program to say {program_says}",
               lambda: len(own(log, since)) >= len(program_says), timeout=5)
    settle(log, monitor, since)
    said = [m.text for m in own(log, since)]
    check(said == program_says, f"the program said {said}, not {program_says}")
    check_others_untouched(log, since)
    return since, moments


def heard(monitor, message):
    """Whether a message that began made at least 30 ms of sound before it stopped."""
    return message.begin is not None and len(
        monitor.loud(message.begin + OUTPUT_LAG_S, message.stop + OUTPUT_LAG_S)) >= 3


def result_onset(log, monitor, result, since):
    """When the result's sound began: the first sound once it was queued and every message
    queued before it had stopped (the daemon plays messages in order)."""
    start = max([result.queued] + [m.stop + OUTPUT_LAG_S for m in others(log, since)
                                   if m.queued < result.queued])
    sound = monitor.loud(start)
    check(len(sound) >= 20, f'"{result.text}" made no sound')
    check(not any(m.begin and start < m.begin <= sound[0] for m in others(log, since)),
          f'the sound after "{result.text}" was queued is another client\'s')
    return sound[0]


def typed_sum(app, log, monitor, pace):
    """Types 12+3= pace seconds apart beside the screen reader, which echoes typed keys while the
    program says only the result: each key is heard once, and "15" within a second of "="."""
    keys = [lambda key=key: app.type(key)[0] for key, _ in TYPED_SUM]
    since, downs = paced_run(log, monitor, keys, pace, ["15"])
    # Each key's echoes from the screen reader: heard (if only in part), cut off as it began,
    # or dropped before it began.
    fates = {echo: ["heard" if heard(monitor, m) else "cut at once" if m.begin else "dropped"
                    for m in others(log, since) if m.text == echo] for _, echo in TYPED_SUM}
    times_heard = [fate.count("heard") for fate in fates.values()]
    latency = result_onset(log, monitor, own(log, since)[0], since) - downs[-1]
    print(f"typed 12+3= {pace} s apart: keys heard once {times_heard.count(1)}/{len(TYPED_SUM)} "
          f'{fates}, "15" {latency * 1000:.0f} ms after "="; the screen reader said '
          f"{[m.text for m in others(log, since)]}")
    # Faster than a key's echo lasts, the screen reader's own next echo may cut it off.
    check(times_heard.count(1) == len(TYPED_SUM) or pace < 0.3 and max(times_heard) <= 1,
          f"each key's echoes: {fates}")
    check(latency <= RESULT_WITHIN_S, f'"15" came {latency:.2f} s after "="')


def clicked_product(app, log, monitor):
    """Presses 7 x 6 = through AT-SPI 0.6 s apart beside the screen reader: the program says
    each key once and the screen reader nothing; "42" within a second of "="."""
    keys = ["seven", "times", "six", "equals"]
    since, presses = paced_run(log, monitor, [lambda key=key: app.press(key) for key in keys], 0.6,
                               ["seven", "times", "six", "equals 42"])
    check(not others(log, since), f"the screen reader said {others(log, since)}")
    said = own(log, since)
    until = [m.queued for m in said[1:]] + [monitor.recorded_until()]
    silent = [m for m, end in zip(said, until) if not monitor.loud(m.queued, end)]
    check(not silent, f"no sound for {silent}")
    # "42" ends the utterance: it starts as long before its end as "42" said alone lasts.
    end = monitor.loud(said[-1].queued, until[-1])[-1]
    since, _ = paced_run(log, monitor, [lambda: app.choose("Say Display")], 0, ["42"])
    alone = monitor.loud(own(log, since)[0].queued)
    latency = end - (alone[-1] - alone[0]) - presses[-1]
    print(f'pressed 7x6= 0.6 s apart: keys heard once {len(keys)}/{len(keys)}, "42" '
          f'{latency * 1000:.0f} ms after "="')
    check(latency <= RESULT_WITHIN_S, f'"42" came {latency:.2f} s after "="')


def talking(start_app, session):
    log, monitor = SpeechLog(session), Monitor(session)
    app = start_app()
    calculator = Calculator(app, log)
    wait_ready(app, log)
    check(app.display() == "" and app.transcript() == "", "the window did not open empty")

    for key, phrases, display in [("one", ["!one"], "1"), ("two", ["!two"], "12"),
                                  ("plus", ["!plus"], "12"), ("three", ["!three"], "3"),
                                  ("equals", ["!equals 15"], "15")]:
        calculator.click(key, phrases, display)
    check(app.transcript() == "12\n+ 3\n---\n15\n\n", f"transcript: {app.transcript()!r}")
    calculator.click("clear work area", ["!clear work area"], "")
    check(app.transcript() == "12\n+ 3\n---\n15\n\n", "clear work area emptied the transcript")

    # Typed keys: digits echo as themselves without interrupting; operators press their keys.
    app.focus()
    for key, phrases, display in [("7", ["7"], "7"), ("asterisk", ["!times"], "7"),
                                  ("6", ["6"], "6"), ("equal", ["!equals 42"], "42"),
                                  ("9", ["9"], "9"), ("BackSpace", ["backspace"], ""),
                                  ("period", ["point"], "."), ("period",
                                  ["!decimal point is already included"], ".")]:
        calculator.type(key, phrases, display)
    check(app.transcript().endswith("7\nx 6\n---\n42\n\n"), f"transcript: {app.transcript()!r}")

    calculator.click("clear all", ["!clear all"], "")
    check(app.transcript() == "", "clear all left the transcript")
    for key, phrases in [("five", ["!five"]), ("divide by", ["!divide by"]), ("zero", ["!zero"])]:
        calculator.click(key, phrases)
    # The warning, "equals" and the result make one utterance, so none cuts another off.
    calculator.click("equals", ["!INFINITY equals Infinity"], "Infinity")
    check(app.transcript() == "5\n/ 0\n---------\nInfinity\n\n", f"transcript: {app.transcript()!r}")
    beside_another_client(app, log, monitor)
    check(("cancel", "all") not in log.events(), "the program cancelled other programs' speech")

    sound = len(monitor.loud(monitor.epoch())) / 100
    print(f"sound: {sound:.2f} s of non-silent audio on the monitor")
    check(sound >= 0.5, f"only {sound:.2f} s of sound came out")

    speech_fault(app, session, log, monitor)
    # The Help command's shortcut reaches the menu bar from the display; quitting closes it too.
    app.focus()
    app.type("ctrl+h")
    wait_until("the Help window", lambda: "Help" in app.frame_names(), timeout=5)
    speak_keys_kept(app, start_app, log)


def beside_another_client(app, log, monitor):
    """Another program says a sentence at message priority as "=" is pressed, just before the
    result reaches the daemon and then just after: both are heard, in turn, and neither is cut."""
    calculator = Calculator(app, log)
    other = speechd.SSIPClient("other")  # the daemon tells it when its messages begin and end
    other.set_priority(speechd.Priority.MESSAGE)
    other.set_language("en")

    def equals_beside_sentence(result_first):
        if not result_first:
            other.speak("Another program speaks a sentence.")
        pressed = app.press("equals")
        if result_first:
            wait_until("the result", lambda: own(log, pressed))
            other.speak("Another program speaks a sentence.")
        return pressed

    try:
        for result_first in (False, True):
            for key, phrases in [("four", ["!four"]), ("plus", ["!plus"]), ("four", ["!four"])]:
                calculator.click(key, phrases)
            since, _ = paced_run(log, monitor, [lambda: equals_beside_sentence(result_first)], 0,
                                 ["equals 8"])
            sentence, result = others(log, since)[0], own(log, since)[0]
            check(heard(monitor, sentence) and not sentence.canceled,
                  "the other program's sentence was cut")
            turn = (result.queued, sentence.begin) if result_first else (sentence.stop,)
            check(len(monitor.loud(*turn)) >= 30, "the result was not heard in its turn")
    finally:
        other.close()


def speak_keys_kept(app, start_app, log):
    """Speak Keys turned off stays off in the next run: clicked keys go unsaid, results not."""
    calculator = Calculator(app, log)
    check(app.checked("Speak Keys"), "Speak Keys is off at first start")
    calculator.step(lambda: app.choose("Speak Keys"), ["!speak keys off"])
    check(not app.checked("Speak Keys"), "Speak Keys is still checked")
    quit_by_keyboard(app)
    app = start_app()
    wait_ready(app, log)
    check(not app.checked("Speak Keys"), "Speak Keys is on again after a restart")
    calculator = Calculator(app, log)
    for key, phrases, display in [("five", [], "5"), ("plus", [], "5"), ("two", [], "2"),
                                  ("equals", ["7"], "7")]:
        calculator.click(key, phrases, display)
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
    since = time.time()
    mark = len(log.events())
    app.press("seven")
    wait_until('"seven" through the new daemon', lambda: ("speak", "seven") in log.events()[mark:])
    wait_until("sound from the new daemon", lambda: len(monitor.loud(since)) >= 10)
    check(app.display() == "7", f'display "{app.display()}" after the daemon came back')


def reader(start_app, session):
    log, monitor = SpeechLog(session), Monitor(session)
    app = start_app()
    wait_ready(app, log)
    clicked_product(app, log, monitor)
    # The user hears the screen reader name the window that takes the keyboard, then types.
    focused = time.time()
    app.focus()
    wait_until("the screen reader to name the window",
               lambda: any(Numivox.TITLE in m.text for m in others(log, focused)), timeout=5)
    for pace in (0.6, 0.1):
        typed_sum(app, log, monitor, pace)
    # The desktop's switch turned off (which ends the screen reader too): typed keys echo again.
    session.run_script("screen-reader-switch", "false")
    mark = len(log.events())

    def typed_seven_said():
        app.type("7")
        return ("speak", "7") in log.events()[mark:]

    wait_until("typed keys to be echoed again", typed_seven_said, timeout=3, interval=0.2)
    quit_by_keyboard(app)


def silent(start_app, session):
    log = SpeechLog(session)
    app = start_app()
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
        # Its address points at no daemon. One that the speech library started for the program
        # ends by itself a few seconds after its last client left (its idle timeout).
        quit = time.monotonic()
        wait_until("the speech daemon to end after the program", lambda: not any(
            "speech-dispatcher" in line for line in session.leftovers()), timeout=10, interval=0.2)
        print(f"no speech daemon left {time.monotonic() - quit:.1f} s after the program quit")


def print_timeline(session):
    """What the daemon was last asked and what sounded meanwhile, in seconds, for a failure."""
    messages, monitor = SpeechLog(session).messages()[-12:], Monitor(session)
    if not messages or not os.path.exists(monitor.file):
        return
    start = messages[0].queued
    for m in messages:
        times = [f"{name} {moment - start:.3f}" for name, moment in
                 [("queued", m.queued), ("began", m.begin), ("canceled" if m.canceled else "ended",
                                                               m.stop)] if moment]
        print(f"  {m}: {', '.join(times)}", file=sys.stderr)
    loud = monitor.loud(start - 1)
    runs = [moment for i, moment in enumerate(loud) if i == 0 or moment - loud[i - 1] > 0.05]
    ends = [moment + 0.01 for i, moment in enumerate(loud) if i + 1 == len(loud)
            or loud[i + 1] - moment > 0.05]
    print("  sound: " + ", ".join(f"{a - start:.2f}..{b - start:.2f}" for a, b in zip(runs, ends)),
          file=sys.stderr)


def main():
    scenario, executable, directory = sys.argv[1:4]
    session = Session(directory)
    apps = []

    def start_app():
        apps.append(Numivox(executable, session.path("logs/numivox.log")))
        return apps[-1]

    try:
        {"talking": talking, "reader": reader, "silent": silent}[scenario](start_app, session)
    except Failure as failure:
        print(f"FAIL ({scenario}): {failure}", file=sys.stderr)
        print_timeline(session)
        return 1
    finally:
        for app in apps:
            app.kill()
    print(f"PASS ({scenario})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
