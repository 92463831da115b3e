"""A private desktop session, and Numivox in it driven as a screen reader user's tools drive it:
through the accessibility bus and the keyboard, listening to the speech daemon and the sound."""

import array
import contextlib
import dataclasses
import functools
import glob
import html
import os
import pathlib
import re
import signal
import subprocess
import time

import pyatspi

MONITOR_RATE = 16000  # samples a second of the recording of everything played (mono, s16le)
SILENCE_LEVEL = 300  # sample magnitude below which the recording counts as silent (about -40 dBFS)


def wait_until(what, condition, timeout=5.0, interval=0.01):
    """Polls condition() until it returns something true, for at most timeout seconds."""
    deadline = time.monotonic() + timeout
    while not (value := condition()):
        assert time.monotonic() < deadline, f"waited {timeout} s for {what}"
        time.sleep(interval)
    return value


def output_of(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


class Session:
    """X, D-Bus, the accessibility bus, sound recorded, a speech daemon that logs what it is asked
    and Orca if asked for, run from the first process of a PID namespace of its own: every other
    process there is the session's, and none outlives it."""

    def __init__(self, directory, precise_time):
        assert os.getpid() == 1, "a session runs as the first process of a PID namespace"
        self.directory, self.services, self.speech_logs = directory, {}, []
        self.precise_time = precise_time  # a library that dates the daemon's log exactly

    def start(self, audio=True, speech=True, screen_reader=False):
        for folder in ("home", "runtime", "logs", "speechd/modules"):
            os.makedirs(self.path(folder), mode=0o700)
        os.environ.update(
            HOME=self.path("home"), XDG_RUNTIME_DIR=self.path("runtime"),
            XDG_CONFIG_HOME=self.path("home/.config"), XDG_CACHE_HOME=self.path("home/.cache"),
            PULSE_SERVER="unix:" + self.path("pulse.sock"),
            PULSE_CLIENTCONFIG=self.write("pulse-client.conf", "autospawn = no\n"),
            # Never a daemon outside the session: without speech this socket stays absent.
            SPEECHD_ADDRESS="unix_socket:" + self.path("speechd.sock"),
            DBUS_SESSION_BUS_ADDRESS="unix:path=" + self.path("session-bus"))
        reader, writer = os.pipe()
        # Without -noreset the server resets as its last client leaves, refusing clients meanwhile.
        self.launch("xvfb", "Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp", "-noreset", pass_fds=[writer])
        os.close(writer)
        with os.fdopen(reader) as display:
            os.environ["DISPLAY"] = ":" + display.readline().strip()
        self.launch("dbus", "dbus-daemon", "--session", "--nofork",
                    "--address=" + os.environ["DBUS_SESSION_BUS_ADDRESS"])
        self.wait_for("the session bus", lambda: self.bus("org.freedesktop.DBus.GetId"))
        self.launch("at-spi", "/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
        # Asking the bus itself would have D-Bus start a second launcher outside the session.
        self.wait_for("the accessibility bus", lambda: "true" in self.bus(
            "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"))
        if audio:
            self.launch("pulseaudio", "pulseaudio", "--daemonize=no", "--system=no", "-n",
                        "--exit-idle-time=-1", "--use-pid-file=no", "-F", self.write("pulse.pa", (
                            "load-module module-null-sink sink_name=speakers rate=44100 channels=2"
                            "\nload-module module-native-protocol-unix auth-anonymous=1 socket="
                            f"{self.path('pulse.sock')}\nset-default-sink speakers\n")))
            self.wait_for("PulseAudio", lambda: output_of("pactl", "info"))
            # Without a steady low-latency reader the null sink renders in long blocks, and
            # cancelled speech stalls for seconds. The recording also proves that sound came out.
            self.launch("parec", "parec", "--device=speakers.monitor", "--latency-msec=10",
                        "--raw", "--format=s16le", f"--rate={MONITOR_RATE}", "--channels=1",
                        self.path("monitor.raw"))
            self.wait_for("the recorder", lambda: os.path.exists(self.path("monitor.raw")))
        if speech:
            os.symlink("/etc/speech-dispatcher/modules/espeak-ng.conf",
                       self.path("speechd/modules/espeak-ng.conf"))
            self.start_speech_daemon()
        if screen_reader:
            # Orca at its defaults with preferences of its own; its greeting carries SSML marks.
            self.launch("orca", "orca", "-u", self.path("orca"))
            self.wait_for("Orca's greeting", lambda: re.search(
                "Screen <.*>reader <.*>on", self.read(self.speech_logs[-1])))
            self.switch_screen_reader(True)  # an Orca started by hand leaves it off

    def path(self, name):
        return os.path.join(self.directory, name)

    def read(self, name):
        path = pathlib.Path(self.path(name))
        return path.read_text(errors="replace") if path.exists() else ""

    def write(self, name, text):
        pathlib.Path(self.path(name)).write_text(text)
        return self.path(name)

    def launch(self, name, *command, **options):
        """Starts a service in a process group of its own, logging to logs/NAME.log."""
        with open(self.path(f"logs/{name}.log"), "ab") as log:
            self.services[name] = subprocess.Popen(
                command, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                start_new_session=True, **options)

    def wait_for(self, what, condition):
        wait_until(what, condition, timeout=15, interval=0.05)

    def bus(self, method, *arguments, service="org.freedesktop.DBus", path="/org/freedesktop/DBus"):
        return output_of("dbus-send", "--session", "--print-reply", f"--dest={service}", path,
                         method, *arguments)

    def start_speech_daemon(self):
        """Starts a daemon that logs its protocol to a file of its own (a new one truncates it)."""
        self.speech_logs.append(f"speech.{len(self.speech_logs) + 1}.log")
        log = self.path(self.speech_logs[-1])
        self.write("speechd/speechd.conf", f'CustomLogFile "protocol" "{log}"\nLogLevel 4\n'
                   'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng'
                   '\nAudioOutputMethod "pulse"\nDefaultLanguage "en"\n')
        with contextlib.suppress(FileNotFoundError):
            os.remove(self.path("speechd.sock"))  # a killed daemon leaves it behind
        self.launch("speechd", "speech-dispatcher", "--run-single", "--config-dir",
                    self.path("speechd"), "--communication-method", "unix_socket", "--socket-path",
                    self.path("speechd.sock"), "--timeout", "0", "--log-dir", self.path("logs"),
                    # A daemon that the speech library started meanwhile holds the default one.
                    "--pid-file", self.path("speechd.pid"),
                    env=dict(os.environ, LD_PRELOAD=self.precise_time))
        self.wait_for("speech-dispatcher", lambda: os.path.exists(self.path("speechd.sock")))

    def switch_screen_reader(self, on):
        """Sets the desktop's "screen reader running" switch until it reads back: the launcher's
        settings store may drop a write made while it is still starting."""
        value, switch = str(on).lower(), ["string:org.a11y.Status", "string:ScreenReaderEnabled"]

        def status(method, *arguments):
            return self.bus("org.freedesktop.DBus.Properties." + method, *switch, *arguments,
                            service="org.a11y.Bus", path="/org/a11y/bus")

        def switched():
            status("Set", "variant:boolean:" + value)
            return f"boolean {value}" in status("Get")

        self.wait_for("the screen-reader switch", switched)

    def kill(self, name):
        service = self.services.pop(name)
        os.killpg(service.pid, signal.SIGTERM)
        service.wait(5)  # a zombie would still hold its pid file

    def stop(self):
        """Ends every process here but this one, the namespace's first."""
        os.kill(-1, signal.SIGKILL)
        wait_until("the session to end", lambda: not self.processes(), 5, 0.05)

    @staticmethod
    def processes():
        """(pid, process group, command line) of every live process here but this one."""
        found = []
        for stat in glob.glob("/proc/[0-9]*/stat"):
            with contextlib.suppress(OSError), open(stat) as f, open(stat[:-4] + "cmdline") as c:
                state, _, group = f.read().rsplit(")", 1)[1].split()[:3]
                pid = int(stat.split("/")[2])
                if state != "Z" and pid != os.getpid():
                    found.append((pid, int(group), c.read().replace("\0", " ")))
        return found

    def strays(self):
        groups = {service.pid for service in self.services.values()}
        return [command for _, group, command in self.processes() if group not in groups]


# One entry of speech-dispatcher's protocol log: "[<date> : <usec>] speechd: <fd>:DATA:|<line>\n|",
# or REPLY with the lines the client received.
LOG_ENTRY = re.compile(r"^\[([^\]]*) : (\d+)\] speechd:\s+(\d+):(DATA|REPLY):\|(.*?)\r?\n\|",
                       re.M | re.S)
CLIENT_NAME = re.compile(r'SET SELF CLIENT_NAME "?[^:]*:([^:]*):', re.I)
QUEUED = re.compile(r"225-(\d+)\n225 OK MESSAGE QUEUED")
EVENT = re.compile(r"70[123]-(\d+)\n70[123]-\d+\n70[123] (BEGIN|END|CANCELED)")
VOICE_SETTING = re.compile(r"SET SELF (RATE|VOLUME|VOICE_TYPE) (\S+)", re.I)
LANGUAGE = re.compile(r"SET SELF LANGUAGE (\S+)", re.I)


@functools.lru_cache(maxsize=None)
def log_second(date):
    return time.mktime(time.strptime(date, "%a %b %d %H:%M:%S %Y"))


@dataclasses.dataclass
class Message:
    """A message a client gave the daemon, with the wall-clock times at which it was queued, began
    and stopped (ended or was canceled), as the daemon reports them to clients that ask."""
    client: str
    text: str
    queued: float
    begin: float = None
    stop: float = None
    canceled: bool = False


class SpeechLog:
    """What clients asked the speech daemons of the session, read from their protocol logs."""

    def __init__(self, session):
        self.session = session

    def events(self, client="numivox", kinds=("speak", "cancel")):
        """One client's ("speak", text), ("cancel", "self" or "all") and, if asked for, ("set",
        "rate 10") and ("language", "de") in order."""
        return [(kind, detail) for who, _, kind, detail in self.requests()
                if who == client and kind in kinds]

    def requests(self, since=0.0):
        """Every client's requests since a wall-clock time, as (client, time, kind, detail)."""
        return [request for request in self._read()[0] if request[1] >= since]

    def messages(self, since=0.0):
        return [message for message in self._read()[1] if message.queued >= since]

    def _read(self):
        requests, messages = [], []
        for name in self.session.speech_logs:
            self._parse(self.session.read(name), requests, messages)
        return requests, messages

    @staticmethod
    def _parse(text, requests, messages):
        clients, receiving, unnumbered, numbered, events = {}, {}, {}, {}, {}
        for date, microseconds, fd, kind, line in LOG_ENTRY.findall(text):
            moment, client = log_second(date) + int(microseconds) / 1e6, clients.get(fd)
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
            elif VOICE_SETTING.match(line):
                setting = VOICE_SETTING.match(line)
                requests.append((client, moment, "set", f"{setting[1].lower()} {setting[2]}"))
            elif LANGUAGE.match(line):
                requests.append((client, moment, "language", LANGUAGE.match(line)[1].lower()))
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

    @functools.cached_property
    def epoch(self):
        """When the first sample was made. The sound server makes samples in real time and the
        recorder writes them a little later: it is the earliest (time - samples / rate) seen."""
        seen, deadline = [], time.time() + 0.2
        while time.time() < deadline:
            seen.append(time.time() - self.seconds())
            time.sleep(0.001)
        return min(seen)

    def seconds(self):
        return os.path.getsize(self.file) / 2 / MONITOR_RATE  # of 16-bit samples recorded

    def recorded_until(self):
        return self.epoch + self.seconds()

    def loud(self, start, end=None):
        """The wall-clock times of the loud 10 ms frames from start to end (or now), once there."""
        end = self.recorded_until() if end is None else end
        wait_until("the recording to catch up", lambda: self.recorded_until() >= end,
                   timeout=max(0.0, end - time.time()) + 2)
        first = max(0, int((start - self.epoch) * MONITOR_RATE))
        samples = array.array("h")
        with open(self.file, "rb") as recording:
            recording.seek(first * 2)
            samples.frombytes(recording.read(int((end - start) * MONITOR_RATE) * 2))
        return [self.epoch + (first + i) / MONITOR_RATE for i in range(0, len(samples),
                self.FRAME) if max(map(abs, samples[i:i + self.FRAME])) > SILENCE_LEVEL]


class Numivox:
    """The program under test, started in the session and reached through AT-SPI and X."""

    TITLE = "Numivox v1.5"

    def __init__(self, executable, log_path, language="en"):
        """Starts the program in English, or under LANG for the language given as "de_DE"."""
        environment = {name: value for name, value in os.environ.items() if name not in (
            "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")}
        environment.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        environment.update(LANGUAGE="en") if language == "en" else environment.update(
            LANG=f"{language}.UTF-8")
        with open(log_path, "ab") as log:
            self.started = time.monotonic()
            self.process = subprocess.Popen(
                [executable], stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                env=environment)
        self.found = {}
        self.display_name = "Display"  # its accessible name, as translated

    def window_id(self):
        return wait_until("the main window to be mapped", lambda: output_of(
            "xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(self.TITLE)}$")
            .split()[:1], timeout=10)[0]

    def application(self):
        return wait_until("the program on AT-SPI", lambda: next(
            (app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "numivox"),
            None), 10)

    def find(self, name, role=pyatspi.ROLE_PUSH_BUTTON):
        if (role, name) not in self.found:
            self.found[role, name] = pyatspi.findDescendant(self.application(), lambda each: (
                each and (each.getRole(), each.name) == (role, name)))
            assert self.found[role, name], f'no {pyatspi.Role(role)} named "{name}" on AT-SPI'
        return self.found[role, name]

    def text(self, name):
        text = self.find(name, pyatspi.ROLE_TEXT).queryText()
        return text.getText(0, text.characterCount)

    def display(self):
        return self.text(self.display_name)

    def transcript(self):
        return self.text("Transcript")

    def frame_names(self):
        return [frame.name for frame in self.application()]

    def enabled(self, key):
        return self.find(key).getState().contains(pyatspi.STATE_ENABLED)

    def checked(self, menu_item):
        return self.find(menu_item, pyatspi.ROLE_MENU_ITEM).getState().contains(
            pyatspi.STATE_CHECKED)

    def press(self, name, role=pyatspi.ROLE_PUSH_BUTTON):
        """Presses a key (or menu item) through its accessible action, as a screen reader does."""
        action = self.find(name, role).queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        assert "Press" in names, f'"{name}" offers no Press action (disabled?)'
        pressed = time.time()
        action.doAction(names.index("Press"))
        return pressed

    def choose(self, menu_item):
        return self.press(menu_item, pyatspi.ROLE_MENU_ITEM)

    def focus(self):
        # Xvfb runs no window manager: nothing has the keyboard until it is given explicitly.
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window_id()], check=True,
                       timeout=10)

    @staticmethod
    def type(*chords):
        """Types chords of X key names ("7", "plus", "ctrl+q") as a hand does, for a screen reader
        may take events that all come at once otherwise: keys held 50 ms, modifiers 40 ms ahead."""
        moments = []
        for chord in chords:
            *modifiers, key = chord.split("+")
            down = [word for held in modifiers for word in ("keydown", held, "sleep", "0.04")]
            up = [word for modifier in reversed(modifiers) for word in ("keyup", modifier)]
            moments.append(time.time() + 0.04 * len(modifiers))
            subprocess.run(["xdotool", *down, "keydown", key, "sleep", "0.05", "keyup", key, *up],
                           check=True)
        return moments
