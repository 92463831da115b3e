"""Drives Numivox in a private desktop session (see session.sh) the way a screen reader user's
tools would: through the accessibility bus and the keyboard, listening to what reaches the speech
daemon and to the sound that comes out."""

import array
import glob
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

    def run_script(self, command):
        subprocess.run([SESSION_SCRIPT, command, self.directory], check=True)

    def stop_speech_daemon(self):
        self.run_script("speechd-stop")

    def start_speech_daemon(self):
        self.run_script("speechd-start")

    def leftovers(self):
        output = subprocess.run([SESSION_SCRIPT, "leftovers", self.directory], check=True,
                                capture_output=True, text=True).stdout
        return [line for line in output.splitlines() if line.strip()]


# One entry of speech-dispatcher's protocol log: "[<date> : <usec>] speechd: <fd>:DATA:|<line>\n|"
LOG_ENTRY = re.compile(r"^\[([^\]]*) : (\d+)\] speechd:\s+(\d+):(DATA|REPLY):\|(.*?)\r?\n\|",
                       re.M | re.S)
CLIENT_NAME = re.compile(r'SET SELF CLIENT_NAME "[^:]*:([^:]*):')


class SpeechLog:
    """What one client asked the speech daemon to do, in order: ("speak", text) and
    ("cancel", "self" or "all"), read from the protocol logs of every daemon of the session."""

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
        events = []
        for name in self.log_files():
            try:
                with open(name, encoding="utf-8", errors="replace") as log:
                    events += self._parse(log.read())
            except FileNotFoundError:
                pass
        return events

    def _parse(self, text):
        clients, receiving, events = {}, {}, []
        for date, microseconds, fd, kind, line in LOG_ENTRY.findall(text):
            if kind != "DATA":
                continue
            name = CLIENT_NAME.match(line)
            if name:
                clients[fd] = name.group(1)
                continue
            if clients.get(fd) != self.client:
                continue
            moment = time.mktime(time.strptime(date, "%a %b %d %H:%M:%S %Y")) + int(microseconds) / 1e6
            if fd in receiving:
                if line == ".":
                    started, lines = receiving.pop(fd)
                    events.append((started, "speak", "\n".join(lines)))
                else:
                    receiving[fd][1].append(line[1:] if line.startswith("..") else line)
            elif line.upper() == "SPEAK":
                receiving[fd] = (moment, [])
            elif line.upper().startswith("CANCEL"):
                events.append((moment, "cancel", line.split()[1].lower()))
        return events

    def phrases(self):
        return [text for kind, text in self.events() if kind == "speak"]


class Monitor:
    """The session's recording of everything the sound server played."""

    def __init__(self, session):
        self.file = session.path("monitor.raw")

    def position(self):
        return os.path.getsize(self.file) // 2 if os.path.exists(self.file) else 0

    def sound_seconds(self, since=0):
        samples = array.array("h")
        with open(self.file, "rb") as recording:
            recording.seek(since * 2)
            data = recording.read()
        samples.frombytes(data[: len(data) // 2 * 2])
        return sum(1 for sample in samples if abs(sample) > SILENCE_LEVEL) / MONITOR_RATE


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

    def press(self, name):
        """Presses an on-screen key through its accessible action, as a screen reader does."""
        action = self.key(name).queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        check("Press" in names, f'the key "{name}" offers no Press action (disabled?)')
        action.doAction(names.index("Press"))

    def focus(self):
        # Xvfb runs no window manager: nothing has the keyboard until it is given explicitly.
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window_id()], check=True,
                       timeout=10)

    def type(self, *keys):
        """Types X key names (\"7\", \"asterisk\", \"BackSpace\", \"ctrl+q\") into the focused window."""
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True, timeout=10)

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
