"""Drives Numivox in a private desktop session (see session.sh) the way a screen reader user's
tools would: through the accessibility bus and the keyboard, listening to what reaches the speech
daemon and to the sound that comes out."""

import array
import ctypes
import functools
import glob
import html
import os
import re
import subprocess
import time

import pyatspi

HERE = os.path.dirname(os.path.abspath(__file__))
SESSION_SCRIPT = os.path.join(HERE, "session.sh")

MONITOR_RATE = 16000  # samples per second of the session's monitor recording (mono, s16le)
SILENCE_LEVEL = 300  # sample magnitude below which the monitor counts as silent (about -40 dBFS)


class Failure(AssertionError):
    pass


def wait_until(what, condition, timeout=5.0, interval=0.01):
    """Polls condition() until it returns something true, for at most timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"waited {timeout} s for {what}")
        time.sleep(interval)


def check(condition, message):
    if not condition:
        raise Failure(message)


class Session:
    def __init__(self, directory):
        self.directory = directory

    def path(self, name):
        return os.path.join(self.directory, name)

    def run_script(self, command, *arguments):
        subprocess.run([SESSION_SCRIPT, command, self.directory, *arguments], check=True)

    def stop_speech_daemon(self):
        self.run_script("speechd-stop")

    def start_speech_daemon(self):
        self.run_script("speechd-start")

    def leftovers(self):
        output = subprocess.run([SESSION_SCRIPT, "leftovers", self.directory], check=True,
                                capture_output=True, text=True).stdout
        return [line for line in output.splitlines() if line.strip()]


# One entry of speech-dispatcher's protocol log: "[<date> : <usec>] speechd: <fd>:DATA:|<line>\n|",
# or REPLY with the lines the client received.
LOG_ENTRY = re.compile(r"^\[([^\]]*) : (\d+)\] speechd:\s+(\d+):(DATA|REPLY):\|(.*?)\r?\n\|",
                       re.M | re.S)
CLIENT_NAME = re.compile(r'SET SELF CLIENT_NAME "?[^:]*:([^:]*):', re.I)
QUEUED = re.compile(r"225-(\d+)\n225 OK MESSAGE QUEUED")
EVENT = re.compile(r"70[123]-(\d+)\n70[123]-\d+\n70[123] (BEGIN|END|CANCELED)")


@functools.lru_cache(maxsize=None)
def log_second(date):
    return time.mktime(time.strptime(date, "%a %b %d %H:%M:%S %Y"))


class Message:
    """One message a client gave the daemon, with the wall-clock times at which it was queued,
    began and stopped (ended or was canceled). The daemon reports these events only to clients
    that ask for them, as screen readers do."""

    def __init__(self, client, text, queued):
        self.client, self.text, self.queued = client, text, queued
        self.begin = self.stop = None
        self.canceled = False

    def __repr__(self):
        return f"{self.client}:{self.text!r}"


class SpeechLog:
    """What the clients asked the speech daemon, read from the protocol logs of every daemon of
    the session: one client's requests in order, ("speak", text) and ("cancel", "self" or
    "all"); and every client's requests and messages."""

    def __init__(self, session, client="numivox"):
        self.session = session
        self.client = client

    def log_files(self):
        # A restarted daemon starts a fresh log; session.sh keeps the earlier ones numbered.
        earlier = sorted(glob.glob(self.session.path("speech.log.*")),
                         key=lambda name: int(name.rsplit(".", 1)[1]))
        return earlier + [self.session.path("speech.log")]

    def events(self):
        return [(kind, detail) for _, kind, detail in self.timed_events()]

    def timed_events(self):
        """The events with the wall-clock time at which the daemon received each."""
        return [request[1:] for request in self._read()[0] if request[0] == self.client]

    def requests(self, since=0.0):
        """Every client's requests since a wall-clock time, as (client, time, kind, detail)."""
        return [request for request in self._read()[0] if request[1] >= since]

    def messages(self, since=0.0):
        return [message for message in self._read()[1] if message.queued >= since]

    def phrases(self):
        return [text for kind, text in self.events() if kind == "speak"]

    def _read(self):
        requests, messages = [], []
        for name in self.log_files():
            try:
                with open(name, encoding="utf-8", errors="replace") as log:
                    self._parse(log.read(), requests, messages)
            except FileNotFoundError:
                pass
        return requests, messages

    @staticmethod
    def _parse(text, requests, messages):
        clients, receiving, unnumbered, numbered, events, latest = {}, {}, {}, {}, {}, 0.0
        for date, microseconds, fd, kind, line in LOG_ENTRY.findall(text):
            moment, client = log_second(date) + int(microseconds) / 1e6, clients.get(fd)
            # Just after a new second the daemon may still write the date of the one before.
            moment += 1 if moment < latest - 0.5 else 0
            latest = max(latest, moment)
            if kind == "REPLY":
                queued, event = QUEUED.match(line), EVENT.match(line)
                if queued and fd in unnumbered:
                    numbered[queued.group(1)] = unnumbered.pop(fd)
                elif event:
                    events.setdefault(event.group(1), []).append((event.group(2), moment))
            elif CLIENT_NAME.match(line):
                clients[fd] = CLIENT_NAME.match(line).group(1)
            elif fd in receiving and line != ".":
                receiving[fd][1].append(line[1:] if line.startswith("..") else line)
            elif fd in receiving:
                started, lines = receiving.pop(fd)
                # Screen readers send SSML: what is heard is its text.
                spoken = " ".join(html.unescape(re.sub(r"<[^>]*>", "", "\n".join(lines))).split())
                requests.append((client, started, "speak", spoken))
                unnumbered[fd] = Message(client, spoken, started)
                messages.append(unnumbered[fd])
            elif line.upper() == "SPEAK":
                receiving[fd] = (moment, [])
            elif line.upper().startswith("CANCEL"):
                requests.append((client, moment, "cancel", line.split()[1].lower()))
        # The daemon may log a message's first event before the reply that numbers it.
        for number, message in numbered.items():
            for event, moment in events.get(number, []):
                if event == "BEGIN":
                    message.begin = moment
                else:
                    message.stop, message.canceled = moment, event == "CANCELED"


class Monitor:
    """The session's recording of everything the sound server played, on the wall clock."""

    FRAME = MONITOR_RATE // 100  # 10 ms

    def __init__(self, session):
        self.file = session.path("monitor.raw")
        self._epoch = None

    def position(self):
        return os.path.getsize(self.file) // 2 if os.path.exists(self.file) else 0

    def epoch(self):
        """When the first sample was made. The sound server makes samples in real time and the
        recorder writes them a little later: the earliest (time - samples written / rate) seen
        over a while is it."""
        if self._epoch is None:
            seen, deadline = [], time.time() + 0.2
            while time.time() < deadline:
                seen.append(time.time() - self.position() / MONITOR_RATE)
                time.sleep(0.001)
            self._epoch = min(seen)
        return self._epoch

    def recorded_until(self):
        return self.epoch() + self.position() / MONITOR_RATE

    def loud(self, start, end=None):
        """The wall-clock times of the loud 10 ms frames from start to end (or to what has been
        recorded), once recorded."""
        end = self.recorded_until() if end is None else end
        wait_until("the recording to catch up", lambda: self.recorded_until() >= end,
                   timeout=max(0.0, end - time.time()) + 2)
        first = max(0, int((start - self.epoch()) * MONITOR_RATE))
        samples = array.array("h")
        with open(self.file, "rb") as recording:
            recording.seek(first * 2)
            samples.frombytes(recording.read(int((end - start) * MONITOR_RATE) * 2))
        return [self.epoch() + (first + i) / MONITOR_RATE
                for i in range(0, len(samples), self.FRAME)
                if max(map(abs, samples[i:i + self.FRAME])) > SILENCE_LEVEL]

    def silent_for(self, seconds):
        end = self.recorded_until()
        return not self.loud(end - seconds, end)


class Keyboard:
    """Presses keys through XTest as a hand does: each key held about 50 ms, its modifiers down
    40 ms ahead. Key events that all arrive within a millisecond can reach a screen reader
    otherwise than a person's typing would."""

    HOLD_S, MODIFIER_LEAD_S = 0.05, 0.04
    MODIFIERS = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L"}

    def __init__(self):
        self.x11, self.xtest = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.display = ctypes.c_void_p(self.x11.XOpenDisplay(None))
        check(self.display.value, "cannot open the X display")

    def _code(self, name):
        """The key's code, and whether it takes Shift to give that name."""
        symbol = self.x11.XStringToKeysym(name.encode())
        code = self.x11.XKeysymToKeycode(self.display, symbol)
        check(code, f'no key gives "{name}"')
        return code, self.x11.XkbKeycodeToKeysym(self.display, code, 0, 0) != symbol

    def _send(self, codes, down):
        for code in codes:
            self.xtest.XTestFakeKeyEvent(self.display, code, down, 0)
        self.x11.XFlush(self.display)

    def press(self, chord):
        """Presses a chord of X key names ("7", "plus", "ctrl+q"); returns the wall-clock time
        at which its last key went down."""
        *modifiers, key = chord.split("+")
        code, shifted = self._code(key)
        modifiers += ["shift"] * (shifted and "shift" not in modifiers)
        held = [self._code(self.MODIFIERS[name])[0] for name in modifiers]
        if held:
            self._send(held, True)
            time.sleep(self.MODIFIER_LEAD_S)
        self._send([code], True)
        down = time.time()
        time.sleep(self.HOLD_S)
        self._send([code] + held[::-1], False)
        return down


def find_application(name, timeout=10.0):
    def lookup():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.name == name:
                return application
        return None

    return wait_until(f'the application "{name}" on the accessibility bus', lookup, timeout)


class Numivox:
    """The program under test, started in the session and reached through AT-SPI and X."""

    TITLE = "Numivox v1.5"

    def __init__(self, executable, log_path):
        self.log = open(log_path, "ab")
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.started = time.monotonic()
        self.process = subprocess.Popen([executable], env=environment, stdin=subprocess.DEVNULL,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self._accessibles = {}

    def window_id(self, timeout=10.0):
        def search():
            result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                     f"^{re.escape(self.TITLE)}$"], capture_output=True, text=True)
            return result.stdout.split()[0] if result.stdout.strip() else None

        return wait_until("the main window to be mapped", search, timeout)

    def application(self):
        if "application" not in self._accessibles:
            self._accessibles["application"] = find_application("numivox")
        return self._accessibles["application"]

    def find(self, role, name):
        key = (role, name)
        if key not in self._accessibles:
            found = pyatspi.findDescendant(
                self.application(), lambda accessible: accessible is not None
                and accessible.getRole() == role and accessible.name == name)
            check(found is not None, f'no {pyatspi.Role(role)} named "{name}" on AT-SPI')
            self._accessibles[key] = found
        return self._accessibles[key]

    def key(self, name):
        return self.find(pyatspi.ROLE_PUSH_BUTTON, name)

    def text_of(self, name, role=pyatspi.ROLE_TEXT):
        text = self.find(role, name).queryText()
        return text.getText(0, text.characterCount)

    def display(self):
        return self.text_of("Display")

    def transcript(self):
        return self.text_of("Transcript")

    def frame_names(self):
        application = self.application()
        return [application.getChildAtIndex(i).name for i in range(application.childCount)]

    def enabled(self, name):
        return self.key(name).getState().contains(pyatspi.STATE_ENABLED)

    def press(self, name, role=pyatspi.ROLE_PUSH_BUTTON):
        """Presses an on-screen key (or a menu item) through its accessible action, as a screen
        reader does; returns the wall-clock time of the press."""
        action = self.find(role, name).queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        check("Press" in names, f'"{name}" offers no Press action (disabled?)')
        pressed = time.time()
        action.doAction(names.index("Press"))
        return pressed

    def choose(self, menu_item):
        return self.press(menu_item, pyatspi.ROLE_MENU_ITEM)

    def checked(self, menu_item):
        state = self.find(pyatspi.ROLE_MENU_ITEM, menu_item).getState()
        return state.contains(pyatspi.STATE_CHECKED)

    def focus(self):
        # Xvfb runs no window manager: nothing has the keyboard until it is given explicitly.
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window_id()], check=True,
                       timeout=10)

    def type(self, *keys):
        """Types chords of X key names ("7", "asterisk", "BackSpace", "ctrl+q") into the focused
        window; returns the wall-clock time at which each went down."""
        if "keyboard" not in self._accessibles:
            self._accessibles["keyboard"] = Keyboard()
        return [self._accessibles["keyboard"].press(key) for key in keys]

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program was still running {timeout} s later") from None

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()
