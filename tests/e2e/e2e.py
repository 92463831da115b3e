"""The calculator as a blind user meets it, in private desktop sessions (desktop.py): with speech
and sound, beside a screen reader, without a sound device and without any speech daemon; as a
user who sees a little, with the zoom and high contrast; and in German.
    e2e.py talking|reader|no-audio|no-speech|view|german NUMIVOX    (ctest runs each in a PID
    namespace)"""

import itertools
import os
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
import speechd
from Xlib import X, display as xdisplay

from desktop import Monitor, Numivox, Session, SpeechLog, output_of, wait_until

# The result's target is 1 s after "=", and the figures are printed; a busy machine adds to them,
# so only a result kept waiting behind more than the screen reader's own echo fails the test.
RESULT_WITHIN_S = 1.5
TYPED_SUM = [("1", "1"), ("2", "2"), ("plus", "plus"), ("3", "3"), ("equal", "equals")]
OUTPUT_LAG_S = 0.03  # from the daemon's report of a message's begin or end to its sound


def keys(app, log, act, rows):
    """Acts on (key, phrases[, display]) rows; waits for those phrases ("!": after a cancel)."""
    for key, phrases, *display in rows:
        mark = len(log.events())
        act(key)
        expected = [event for phrase in phrases for event in ([("cancel", "self"), (
            "speak", phrase[1:])] if phrase[0] == "!" else [("speak", phrase)])]
        wait_until(f"the phrases {phrases}", lambda: len(log.events()) - mark >= len(expected))
        if display:
            wait_until(f"the display to read {display}", lambda: app.display() == display[0], 3)
        said = log.events()[mark:]
        assert said == expected, f"expected the daemon to receive {expected}, it got {said}"


def wait_ready(app, log):
    """Waits for the window, "ready" first and the keys, enabled no sooner than 1 s after launch."""
    mark = len(log.events())
    app.window_id()
    wait_until('"ready"', lambda: log.events()[mark:mark + 1] == [("speak", "ready")], timeout=10)
    assert app.frame_names() == [Numivox.TITLE], f"windows on AT-SPI: {app.frame_names()}"
    wait_until("the keys to be enabled", lambda: app.enabled("one"), timeout=5)
    assert time.monotonic() - app.started >= 1.0, "the keys were enabled within 1 s of launch"


def quit_by_keyboard(app):
    app.focus()
    pressed = time.monotonic()
    app.type("ctrl+q")
    status, took = app.process.wait(timeout=5), time.monotonic() - pressed
    print(f"quit: exit status {status}, {took * 1000:.0f} ms after Ctrl+Q")
    assert status == 0 and took <= 1.0, f"Ctrl+Q: status {status} after {took:.2f} s"


def own(log, since, mine=True):
    return [message for message in log.messages(since) if (message.client == "numivox") == mine]


def others(log, since):
    return own(log, since, mine=False)


def settle(log, monitor, since):
    """Waits for every other client's messages to stop, then 0.5 s of silence 0.5 s after."""
    def settled():
        messages = log.messages(since)
        if not all(m.stop for m in messages if m.client != "numivox"):
            return False
        last = max([since] + [m.queued for m in messages] + [m.stop for m in messages if m.stop])
        recorded = monitor.recorded_until()
        return recorded >= last + 1.0 and not monitor.loud(recorded - 0.5, recorded)

    wait_until("the speech to end", settled, timeout=15, interval=0.05)


def paced_run(log, monitor, actions, pace, program_says):
    """Runs the actions pace s apart; checks what the program said, cutting only its own."""
    settle(log, monitor, 0)
    since, moments = time.time(), []
    for act in actions:
        time.sleep(max(0.0, moments[-1] + pace - time.time()) if moments else 0)
        moments.append(act())
    wait_until(f"the program to say {program_says}",
               lambda: len(own(log, since)) >= len(program_says), timeout=5)
    settle(log, monitor, since)
    said, requests = [m.text for m in own(log, since)], log.requests(since)
    assert said == program_says, f"the program said {said}, not {program_says}"
    assert all(detail == "self" for client, _, kind, detail in requests
               if client == "numivox" and kind == "cancel"), "the program cancelled others' speech"
    for message in others(log, since):
        assert not message.canceled or any(
            client == message.client and kind == "cancel" and message.queued <= when <= message.stop
            for client, when, kind, _ in requests), f"{message} was cancelled by another client"
    return since, moments


def heard(monitor, message):
    """Whether a message that began made at least 30 ms of sound before it stopped."""
    return message.begin is not None and len(
        monitor.loud(message.begin + OUTPUT_LAG_S, message.stop + OUTPUT_LAG_S)) >= 3


def result_onset(log, monitor, result, since):
    """The result's first sound once it and every message queued before it had stopped."""
    start = max([result.queued] + [m.stop + OUTPUT_LAG_S for m in others(log, since)
                                   if m.queued < result.queued])
    sound = monitor.loud(start)
    assert len(sound) >= 20, f'"{result.text}" made no sound'
    assert not any(m.begin and start < m.begin <= sound[0] for m in others(log, since)), \
        f'the sound after "{result.text}" was queued is another client\'s'
    return sound[0]


def talking(session, start_app):
    log, monitor = SpeechLog(session), Monitor(session)
    app = start_app()
    wait_ready(app, log)
    assert app.display() == app.transcript() == "", "the window did not open empty"
    keys(app, log, app.press, [("one", ["!one"], "1"), ("two", ["!two"], "12"),
                               ("plus", ["!plus"], "12"), ("three", ["!three"], "3"),
                               ("equals", ["!equals 15"], "15"),
                               ("clear work area", ["!clear work area"], "")])
    assert app.transcript() == "12\n+ 3\n---\n15\n\n", f"transcript {app.transcript()!r}"

    # Typed keys: digits echo as themselves without interrupting; operators press their keys.
    app.focus()
    keys(app, log, app.type, [("7", ["7"], "7"), ("asterisk", ["!times"], "7"), ("6", ["6"], "6"),
                              ("equal", ["!equals 42"], "42"), ("9", ["9"], "9"),
                              ("BackSpace", ["backspace"], ""), ("period", ["point"], "."),
                              ("period", ["!decimal point is already included"], ".")])

    # The warning, "equals" and the result make one utterance, so none cuts another off.
    keys(app, log, app.press, [("clear all", ["!clear all"], ""), ("five", ["!five"]),
                               ("divide by", ["!divide by"]), ("zero", ["!zero"]),
                               ("equals", ["!INFINITY equals Infinity"], "Infinity")])
    beside_another_client(app, log, monitor)  # where the sound that comes out is measured
    review_by_ear(app, log)
    by_ear(app, log, session)

    speech_fault(app, session, log, monitor)
    accessible_text(app)
    speak_keys_kept(app, start_app, log)


def beside_another_client(app, log, monitor):
    """Another program's sentence just before and just after "=": both heard in turn, none cut."""
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
            keys(app, log, app.press, [("four", ["!four"]), ("plus", ["!plus"]),
                                       ("four", ["!four"])])
            since, _ = paced_run(log, monitor, [lambda: equals_beside_sentence(result_first)], 0,
                                 ["equals 8"])
            sentence, result = others(log, since)[0], own(log, since)[0]
            assert heard(monitor, sentence) and not sentence.canceled, "the sentence was cut"
            turn = (result.queued, sentence.begin) if result_first else (sentence.stop,)
            assert len(monitor.loud(*turn)) >= 30, "the result was not heard in its turn"
    finally:
        other.close()


def review_by_ear(app, log):
    """Back through the calculations since Clear All and forth, a result used as the second number,
    the calculation so far, digits singly: each heard."""
    app.focus()
    keys(app, log, app.type, [
        ("ctrl+shift+p", ["!calculation 3 of 3, 4 plus 4 equals 8"]),
        ("ctrl+shift+p", ["!calculation 2 of 3, 4 plus 4 equals 8"]),
        ("ctrl+shift+p", ["!calculation 1 of 3, 5 divided by 0 equals Infinity"]),
        ("ctrl+shift+p", ["!calculation 1 of 3 is the first"]),
        ("ctrl+shift+r", ["!not used, not a number"], "8"),
        ("ctrl+shift+n", ["!calculation 2 of 3, 4 plus 4 equals 8"]), ("9", ["9"], "9"),
        ("plus", ["!plus"]), ("ctrl+shift+d", ["!9 plus"]), ("ctrl+shift+r", ["!8"], "8"),
        ("ctrl+shift+g", ["!read digits singly on"]), ("ctrl+shift+d", ["!9 plus 8"]),
        ("equal", ["!equals 1 7"], "17"), ("ctrl+shift+g", ["!read digits singly off"])])
    assert app.transcript().endswith("9\n+ 8\n---\n17\n\n"), f"transcript {app.transcript()!r}"


def by_ear(app, log, session):
    """No screen reader: two menus by F10 and arrows; saved under a typed name; printing cancelled.
    No window manager gives back the keyboard as a dialog closes."""
    app.focus()
    keys(app, log, app.type, [("F10", ["!File menu, Save Transcript, control S"]),
                              ("Down", ["!Print Transcript, control P"]),
                              ("Right", ["!Edit menu, Copy, control C"]),
                              ("Down", ["!Copy Transcript, control shift C"]),
                              ("Escape", ["!Edit menu"]), ("Escape", [])])
    os.makedirs(session.path("home/Documents"))
    keys(app, log, app.type, [("ctrl+s", ["!Save As, File name, text field, untitled.txt"]),
                              ("s", ["s"]), ("u", ["u"]), ("m", ["m"]),
                              ("Return", ["!saved as sum in Documents"])])
    assert session.read("home/Documents/sum") == app.transcript(), "the saved file differs"
    app.focus()
    keys(app, log, app.type, [("ctrl+p", ["!Page Setup, A4, combo box"]),
                              ("Return", ["!Print, Print to File (PDF), combo box"]),
                              ("Escape", ["!printing cancelled"])])


def speech_fault(app, session, log, monitor):
    """The speech daemon dies: every key is answered all the same; a new daemon is spoken to."""
    session.kill("speechd")
    app.press("clear all")
    answers(app, [("eight", "8", ""), ("plus", "8", "8\n+ "), ("one", "1", "8\n+ "),
                  ("equals", "9", "8\n+ 1\n--\n9\n\n")])
    session.start_speech_daemon()
    since, mark = time.time(), len(log.events())
    app.press("seven")
    wait_until('"seven" through the new daemon', lambda: ("speak", "seven") in log.events()[mark:])
    wait_until("sound from the new daemon", lambda: len(monitor.loud(since)) >= 10)
    assert app.display() == "7", f'display "{app.display()}" after the daemon came back'


def accessible_text(app):
    """Every AT-SPI text query answers; writes take a number only, never the transcript."""
    display, transcript = (app.find(name, pyatspi.ROLE_TEXT) for name in ("Display", "Transcript"))
    display.queryEditableText().setTextContents("15")
    tape = app.transcript()
    for text in (display.queryText(), transcript.queryText()):
        for offset, boundary, query in itertools.product(
                range(-1, text.characterCount + 2), range(7),
                (text.getTextBeforeOffset, text.getTextAtOffset, text.getTextAfterOffset)):
            query(offset, boundary)  # a call left unanswered fails after a timeout
    display.queryEditableText().setTextContents("abc")
    assert "EditableText" not in transcript.get_interfaces(), "the transcript takes writes"
    assert (app.display(), app.transcript()) == ("15", tape), "a write changed a field"
    answers(app, [("one", "151", tape)])


def speak_keys_kept(app, start_app, log):
    """Speak Keys off, and speech made faster and louder (said in the new voice), stay so: the next
    run sets the voice before "ready", where the first set none; keys go unsaid, results not."""
    assert app.checked("Speak Keys"), "Speak Keys is off at first start"
    assert not log.events(kinds=("set",)), "the voice was set before the user changed it"
    keys(app, log, app.choose, [("Speak Keys", ["!speak keys off"]), ("Faster", ["!faster 10"]),
                                ("Louder", ["!louder 10"])])
    voice = [("set", "rate 10"), ("speak", "faster 10"), ("set", "volume 10"),
             ("speak", "louder 10")]
    said = log.events(kinds=("set", "speak"))[-4:]
    assert said == voice, f"the voice: {said}"
    assert not app.checked("Speak Keys"), "Speak Keys is still checked"
    quit_by_keyboard(app)
    mark = len(log.events(kinds=("set", "speak")))
    app = start_app()
    wait_ready(app, log)
    assert not app.checked("Speak Keys"), "Speak Keys is on again after a restart"
    restored = log.events(kinds=("set", "speak"))[mark:mark + 3]
    assert restored == [voice[0], voice[2], ("speak", "ready")], f"the next run: {restored}"
    keys(app, log, app.press, [("five", [], "5"), ("plus", [], "5"), ("two", [], "2"),
                               ("equals", ["7"], "7")])
    quit_by_keyboard(app)


def reader(session, start_app):
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
    review_beside_reader(app, log, monitor)
    menus_and_help_beside_reader(app, log)
    # The desktop's switch turned off (which ends the screen reader too): typed keys echo again.
    session.switch_screen_reader(False)
    mark = len(log.events())
    wait_until("typed keys to be echoed again",
               lambda: app.type("7") and ("speak", "7") in log.events()[mark:],
               timeout=3, interval=0.2)
    quit_by_keyboard(app)


def clicked_product(app, log, monitor):
    """7 x 6 = pressed 0.6 s apart beside the screen reader: each key said once, "42" in time."""
    product = ["seven", "times", "six", "equals"]
    since, presses = paced_run(log, monitor, [lambda key=key: app.press(key) for key in product],
                               0.6, ["seven", "times", "six", "equals 42"])
    assert not others(log, since), f"the screen reader said {others(log, since)}"
    said = own(log, since)
    until = [m.queued for m in said[1:]] + [monitor.recorded_until()]
    silent = [m for m, end in zip(said, until) if not monitor.loud(m.queued, end)]
    assert not silent, f"no sound for {silent}"
    # "42" ends the utterance: it starts as long before its end as "42" said alone lasts.
    end = monitor.loud(said[-1].queued, until[-1])[-1]
    since, _ = paced_run(log, monitor, [lambda: app.choose("Say Display")], 0, ["42"])
    alone = monitor.loud(own(log, since)[0].queued)
    latency = end - (alone[-1] - alone[0]) - presses[-1]
    print(f'pressed 7x6= 0.6 s apart: keys heard once 4/4, "42" {latency * 1000:.0f} ms after "="')
    assert latency <= RESULT_WITHIN_S, f'"42" came {latency:.2f} s after "="'


def review_beside_reader(app, log, monitor):
    """The review's answers are the program's alone, each heard once. The screen reader may read
    the result that Use Result puts into the display as well: it reads text that a command
    inserts into the focused field, at times."""
    since = time.time()
    keys(app, log, app.type, [
        ("ctrl+shift+p", ["!calculation 3 of 3, 12 plus 3 equals 15"]),
        ("ctrl+shift+p", ["!calculation 2 of 3, 12 plus 3 equals 15"]),
        ("ctrl+shift+p", ["!calculation 1 of 3, 7 times 6 equals 42"]),
        ("ctrl+shift+r", ["!42"], "42"), ("plus", []), ("ctrl+shift+d", ["!42 plus"])])
    settle(log, monitor, since)  # for any words of the screen reader's on the last keys
    doubled = [m.text for m in others(log, since) if "calculation" in m.text or "42 " in m.text]
    assert not doubled, f"the screen reader said {doubled} too"


def menus_and_help_beside_reader(app, log):
    """Menus are the screen reader's alone; a Help topic chosen as Help opens is read."""
    since = time.time()
    app.type("F10", "Down")
    wait_until("the screen reader to read the item",
               lambda: any("Print Transcript" in m.text for m in others(log, since)), timeout=5)
    assert not own(log, since), f"the program said {own(log, since)} beside the screen reader"
    app.type("Escape", "Escape", "ctrl+h")
    wait_until("the Help window", lambda: "Help" in app.frame_names(), timeout=5)
    since = time.time()
    app.type("Tab", "Return")
    wait_until("the topic to be read", lambda: [m.text[:22] for m in others(log, since)][-2:] == [
        "General Information.", "The calculator window "], timeout=5)
    app.type("Escape")


def typed_sum(app, log, monitor, pace):
    """12+3= typed pace s apart beside the screen reader: each key heard once, "15" in time."""
    since, downs = paced_run(log, monitor, [lambda key=key: app.type(key)[0] for key, _ in
                                            TYPED_SUM], pace, ["15"])
    # Each key's echoes: heard (if only in part), cut off as it began, or dropped before it.
    fates = {echo: ["heard" if heard(monitor, m) else "cut at once" if m.begin else "dropped"
                    for m in others(log, since) if m.text == echo] for _, echo in TYPED_SUM}
    times_heard = [fate.count("heard") for fate in fates.values()]
    latency = result_onset(log, monitor, own(log, since)[0], since) - downs[-1]
    print(f"typed 12+3= {pace} s apart: keys heard once {times_heard.count(1)}/{len(TYPED_SUM)} "
          f'{fates}, "15" {latency * 1000:.0f} ms after "="; the screen reader said '
          f"{[m.text for m in others(log, since)]}")
    # Faster than a key's echo lasts, the screen reader's own next echo may cut it off.
    assert times_heard.count(1) == len(TYPED_SUM) or pace < 0.3 and max(times_heard) <= 1, \
        f"each key's echoes: {fates}"
    assert latency <= RESULT_WITHIN_S, f'"15" came {latency:.2f} s after "="'


def answers(app, rows):
    """Presses keys that take effect, display and transcript, though nothing can be said."""
    for key, display, transcript in rows:
        app.press(key)
        wait_until(f'"{key}" to take effect without speech',
                   lambda: (app.display(), app.transcript()) == (display, transcript), 2)


def silent(session, start_app):
    log, app = SpeechLog(session), start_app()
    wait_until("the keys to be enabled", lambda: app.enabled("one"), timeout=10)
    answers(app, [("one", "1", ""), ("plus", "1", "1\n+ "), ("two", "2", "1\n+ "),
                  ("equals", "3", "1\n+ 2\n--\n3\n\n")])
    app.focus()
    app.type("4")
    wait_until("a typed digit", lambda: app.display() == "4", timeout=2)
    quit_by_keyboard(app)
    if "speechd" in session.services:
        assert log.events()[:1] == [("speak", "ready")], "the daemon without sound heard nothing"
    else:
        # No daemon at its address: one the speech library starts ends itself once left idle.
        wait_until("the speech daemon to end after the program", lambda: not any(
            "speech-dispatcher" in command for command in session.strays()), 10, 0.2)


def translated(language, context, source):
    """A text of the program as its translation into the language has it."""
    ts = ElementTree.parse(os.path.join(os.path.dirname(__file__),
                                        f"../../translations/numivox_{language}.ts"))
    return next(message.findtext("translation") for name in ts.iter("context")
                if name.findtext("name") == context for message in name.iter("message")
                if message.findtext("source") == source)


def german(session, start_app):
    """Under LANG=de_DE.UTF-8 on a German keyboard, no screen reader: menus, speech and Help in
    German, numbers spoken as German writes them, the keypad's decimal key a point."""
    def de(context, source):
        return translated("de", context, source)
    log = SpeechLog(session)
    subprocess.run(["setxkbmap", "-layout", "de"], check=True)
    app = start_app("de_DE")
    app.display_name = de("wMain", "Display")
    app.window_id()
    wait_until('"ready" in German', lambda: log.events()[:1] == [
        ("speak", de("Phrases", "ready"))], timeout=10)
    assert log.events(kinds=("language",))[:1] == [("language", "de")], "not asked for German"
    for menu in ("&File", "&Edit", "&View", "&Speech", "&Review"):
        app.find(de("MenuBar1", menu).replace("&", ""), pyatspi.ROLE_MENU_ITEM)
    wait_until("the keys to be enabled", lambda: app.enabled(de("Phrases", "one")), timeout=5)
    app.focus()
    keys(app, log, app.type, [("7", ["7"], "7"), ("slash", ["!" + de("Operators", "divide by")]),
                              ("2", ["2"], "2"),
                              ("equal", [f"!{de('Phrases', 'equals')} 3,5"], "3.5"),
                              ("1", ["1"], "1"), ("KP_Separator", [de("Phrases", "point")], "1."),
                              ("5", ["5"], "1.5")])
    app.type("ctrl+h")
    wait_until("the Help window", lambda: de("wHelp", "Help") in app.frame_names(), timeout=5)
    with open(os.path.join(os.path.dirname(__file__), "../../info/help/de/ReadMeFirstMac0.txt"),
              encoding="utf-8") as welcome:
        title = welcome.readline().strip()
    assert app.text(de("wHelp", "Help text")).startswith(title), "the Help text is not German"
    quit_by_keyboard(app)


ZOOM_STEPS = [75, 100, 125, 150, 175, 200, 250, 300]
SCREEN = (1280, 1024)  # the session's X server, with no panels and no window manager


def shows_high_contrast(app, on):
    """Waits until the screen shows the key "5" and the display mostly black, or mostly not."""
    def dark(name, role):
        area = app.find(name, role).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        data = xdisplay.Display().screen().root.get_image(*area, X.ZPixmap, 0xFFFFFFFF).data
        return sum(max(data[i:i + 3]) < 0x40 for i in range(0, len(data), 4)) > len(data) / 8
    wait_until(f"high contrast {'on' if on else 'off'} on the screen", lambda: dark(
        "five", pyatspi.ROLE_PUSH_BUTTON) == dark("Display", pyatspi.ROLE_TEXT) == on)


def geometry(app, unlike=()):
    """The main window's x, y, width and height on the X server, once its size is none of unlike."""
    def read():
        shell = dict(line.split("=") for line in output_of(
            "xdotool", "getwindowgeometry", "--shell", app.window_id()).split())
        found = tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))
        return found[2:] not in unlike and found
    return wait_until("the window's new size", read)


def zoom_steps(app, log):
    """Ctrl+Shift+"=" (that is "+") up to the cap, each step heard; the size there."""
    sizes, zoom = {100: geometry(app)[2:]}, 100
    while True:
        larger, mark = ZOOM_STEPS[ZOOM_STEPS.index(zoom) + 1], len(log.events())
        app.type("ctrl+shift+equal")
        wait_until("the answer to Zoom In", lambda: len(log.events()) >= mark + 2)
        if log.events()[mark + 1] != ("speak", f"zoom {larger} percent"):
            break
        sizes[larger], zoom = geometry(app, unlike=[sizes[zoom]])[2:], larger
    assert log.events()[-1] == ("speak", f"zoom {zoom} percent is the largest that fits the screen")
    x, y, width, height = geometry(app)  # moved as it grew, to stay on the screen
    assert (width, height) == sizes[zoom] and 0 <= x <= SCREEN[0] - width and (
        0 <= y <= SCREEN[1] - height), f"{width}x{height} at {x},{y} at the cap, {zoom} percent"
    assert max(width / SCREEN[0], height / SCREEN[1]) * larger / zoom > 1, f"{larger} would fit"
    print(f"window sizes per zoom step: {sizes}")
    return sizes[zoom]


def view(session, start_app):
    """Zoom and high contrast from the keyboard, read from the X server, kept for the next run."""
    log = SpeechLog(session)
    app = start_app()
    wait_ready(app, log)
    shows_high_contrast(app, False)
    app.focus()
    size = zoom_steps(app, log)
    keys(app, log, app.type, [("ctrl+shift+h", ["!high contrast on"])])
    shows_high_contrast(app, True)
    quit_by_keyboard(app)
    app = start_app()
    wait_ready(app, log)
    assert geometry(app)[2:] == size, "the zoom was not kept"
    shows_high_contrast(app, True)
    quit_by_keyboard(app)


SCENARIOS = {"talking": (talking, {}), "reader": (reader, {"screen_reader": True}),
             "no-audio": (silent, {"audio": False}), "no-speech": (silent, {"speech": False}),
             "view": (view, {}), "german": (german, {})}


def main():
    name, executable, precise_time = sys.argv[1:4]
    scenario, options = SCENARIOS[name]
    session = Session(tempfile.mkdtemp(prefix=f"numivox-e2e-{name}-"), precise_time)
    try:
        session.start(**options)
        scenario(session, lambda language="en": Numivox(
            executable, session.path("logs/numivox.log"), language))
        # Once the program has quit, only the session's own services may still run.
        assert not session.strays(), f"left running after the program quit: {session.strays()}"
        print(f"PASS ({name})")
        return 0
    except Exception as failure:  # any error fails the scenario, with the session's logs
        print(f"FAIL ({name}): {failure!r}", file=sys.stderr)
        for log in sorted(os.listdir(session.path("logs"))):
            print(f"--- {log}", *session.read(f"logs/{log}").splitlines()[-20:], sep="\n",
                  file=sys.stderr)
        return 1
    finally:
        session.stop()  # the program too, if it is still running
        shutil.rmtree(session.directory)


if __name__ == "__main__":
    sys.exit(main())
