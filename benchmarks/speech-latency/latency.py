"""Speech latency of Numivox beside the floor that speech-dispatcher itself sets, measured on the
sound that comes out, in one desktop session (run.sh starts it).

    latency.py NUMIVOX FLOOR_PROGRAM SESSION_DIR PRESSES

For each case it prints the median, quartiles and count of:
  - key event to the first non-silent sample of its echo, with nothing being spoken;
  - the same while one of the program's own phrases is under way (the echo interrupts it);
  - key event to the last non-silent sample of the interrupted phrase.
The floor does the same with spd_say (and spd_cancel before it to interrupt) over one
persistent connection, fed through a pipe.
"""

import ctypes
import os
import random
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tests/e2e"))
from desktop import Numivox, wait_until  # noqa: E402

RATE = 16000
FRAME = RATE // 400  # 2.5 ms frames for the loudness envelope
LEVEL = 300  # sample magnitude above which a frame counts as sound (about -40 dBFS)
LONG_PHRASE = "decimal point already included"
ECHO = "one"


class LiveMonitor:
    """Records the null sink's monitor and maps every sample to the monotonic clock."""

    def __init__(self):
        self.process = subprocess.Popen(
            ["parec", "--device=speakers.monitor", "--latency-msec=5", "--raw", "--format=s16le",
             f"--rate={RATE}", "--channels=1"], stdout=subprocess.PIPE)
        self.samples = bytearray()
        # The sound server produces samples in real time and parec can only hand them over
        # later, so the earliest (read time - samples read / rate) is when sample 0 was made.
        self.epoch = float("inf")
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        descriptor = self.process.stdout.fileno()
        while chunk := os.read(descriptor, 4096):
            now = time.monotonic()
            with self.lock:
                self.samples += chunk
                self.epoch = min(self.epoch, now - len(self.samples) // 2 / RATE)

    def stop(self):
        self.process.terminate()
        self.process.wait()

    def frames(self, start, end):
        """Loud (True) or silent frames of the sound made from monotonic times start to end."""
        with self.lock:
            first = max(0, int((start - self.epoch) * RATE)) * 2
            last = int((end - self.epoch) * RATE) * 2
            data = memoryview(bytes(self.samples[first:last])).cast("h")
        return [max(map(abs, data[i:i + FRAME]), default=0) > LEVEL
                for i in range(0, len(data) - FRAME + 1, FRAME)]

    def now_index(self):
        with self.lock:
            return len(self.samples) // 2

    def silent_for(self, seconds):
        end = self.epoch + self.now_index() / RATE
        frames = self.frames(end - seconds, end)
        return len(frames) >= seconds * 400 - 1 and not any(frames)

    def sounding_for(self, seconds):
        end = self.epoch + self.now_index() / RATE
        return all(self.frames(end - seconds, end) or [False])

    def wait_silence(self):
        wait_until("silence", lambda: self.silent_for(0.3), timeout=10)


def runs(frames):
    """(start, end) frame indices of the loud runs."""
    result, start = [], None
    for index, loud in enumerate(frames + [False]):
        if loud and start is None:
            start = index
        elif not loud and start is not None:
            result.append((start, index))
            start = None
    return result


def measure(monitor, key_time, echo_frames=None):
    """Waits for the echo to end; returns (seconds to its onset, seconds to the silence of the
    phrase it interrupted), the latter None when nothing was interrupted. An interrupted
    phrase is told from the echo by the echo's known length in frames."""
    wait_until("the echo", lambda: monitor.frames(key_time, key_time + 3)
               and any(monitor.frames(key_time, key_time + 3)) and monitor.silent_for(0.3),
               timeout=10)
    loud = runs(monitor.frames(key_time, key_time + 3))
    if echo_frames is None:
        return loud[0][0] / 400, None, loud[-1][1] - loud[0][0]
    # The echo is the shortest tail of runs as long as the echo alone.
    for index in range(len(loud) - 1, 0, -1):
        if loud[-1][1] - loud[index][0] >= 0.85 * echo_frames:
            return loud[index][0] / 400, loud[index - 1][1] / 400, None
    return None, None, None


class FloorProgram:
    def __init__(self, executable):
        self.process = subprocess.Popen([executable], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True)
        ready = self.process.stdout.readline().strip()
        if ready != "ready":
            raise RuntimeError("the floor program could not reach the speech daemon")

    def send(self, command, text):
        moment = time.monotonic()
        self.process.stdin.write(f"{command} {text}\n")
        self.process.stdin.flush()
        return moment

    def stop(self):
        self.process.stdin.close()
        self.process.wait()


class Pointer:
    """Synthetic mouse clicks and key presses through the X server's XTest extension."""

    def __init__(self):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.xtest = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        for name in ("XTestFakeMotionEvent", "XTestFakeButtonEvent", "XTestFakeKeyEvent"):
            getattr(self.xtest, name).argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                  ctypes.c_ulong] + (
                [ctypes.c_ulong] if name == "XTestFakeMotionEvent" else [])
        self.display = self.x11.XOpenDisplay(None)

    def click(self, x, y):
        """Clicks at (x, y); returns the moment of the release, when a button acts."""
        self.xtest.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.xtest.XTestFakeButtonEvent(self.display, 1, True, 0)
        self.x11.XFlush(self.display)
        moment = time.monotonic()
        self.xtest.XTestFakeButtonEvent(self.display, 1, False, 0)
        self.x11.XFlush(self.display)
        return moment

    def key(self, keysym_name):
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(keysym_name.encode()))
        moment = time.monotonic()
        self.xtest.XTestFakeKeyEvent(self.display, code, True, 0)
        self.x11.XFlush(self.display)
        self.xtest.XTestFakeKeyEvent(self.display, code, False, 0)
        self.x11.XFlush(self.display)
        return moment


def centre(accessible):
    import pyatspi
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def interrupted_trial(monitor, start_long_phrase, press_echo, echo_frames):
    monitor.wait_silence()
    start_long_phrase()
    wait_until("the long phrase", lambda: monitor.sounding_for(0.05), timeout=5)
    # Land anywhere in the phrase while it is sounding.
    deadline = time.monotonic() + random.uniform(0.1, 0.6)
    wait_until("a moment inside the phrase",
               lambda: time.monotonic() >= deadline and monitor.sounding_for(0.01), timeout=5)
    return measure(monitor, press_echo(), echo_frames)[:2]


def floor_trials(monitor, floor, presses):
    idle, lengths, interrupting, silence = [], [], [], []
    for _ in range(presses):
        monitor.wait_silence()
        onset, _, length = measure(monitor, floor.send("say", ECHO))
        idle.append(onset)
        lengths.append(length)
    echo_frames = statistics.median(lengths)
    for _ in range(presses):
        onset, cut = interrupted_trial(monitor, lambda: floor.send("say", LONG_PHRASE),
                                       lambda: floor.send("interrupt", ECHO), echo_frames)
        interrupting.append(onset)
        silence.append(cut)
    return {"idle": idle, "interrupting": interrupting, "silence": silence}, echo_frames


def app_trials(monitor, app, pointer, presses, echo_frames):
    keys = {name: centre(app.key(name)) for name in ("one", "point", "clear work area")}
    clicked, typed, interrupting, silence = [], [], [], []

    def clear():
        monitor.wait_silence()
        pointer.click(*keys["clear work area"])
        wait_until("a clear display", lambda: app.display() == "", timeout=3)

    for index in range(presses):
        if index % 7 == 0:
            clear()
        monitor.wait_silence()
        clicked.append(measure(monitor, pointer.click(*keys["one"]))[0])
    app.focus()
    for index in range(presses):
        if index % 7 == 0:
            clear()
            app.focus()
        monitor.wait_silence()
        typed.append(measure(monitor, pointer.key("1"))[0])
    clear()
    pointer.click(*keys["point"])  # the display holds a point from now on
    for index in range(presses):
        if index % 7 == 6:
            clear()
            pointer.click(*keys["point"])
        onset, cut = interrupted_trial(monitor, lambda: pointer.click(*keys["point"]),
                                       lambda: pointer.click(*keys["one"]), echo_frames)
        interrupting.append(onset)
        silence.append(cut)
    return {"clicked idle": clicked, "typed idle": typed, "interrupting": interrupting,
            "silence": silence}


def summary(values):
    found = sorted(v * 1000 for v in values if v is not None)
    if len(found) < 4:
        return f"only {len(found)} measured"
    q1, median, q3 = statistics.quantiles(found, n=4)
    return f"median {median:6.1f} ms  (quartiles {q1:6.1f} .. {q3:6.1f}, n={len(found)})"


def main():
    executable, floor_executable, _, presses = sys.argv[1:5]
    presses = int(presses)
    monitor = LiveMonitor()
    wait_until("the monitor", lambda: monitor.now_index() > RATE // 2, timeout=5)
    floor = FloorProgram(floor_executable)
    floor_figures, echo_frames = floor_trials(monitor, floor, presses)
    floor.stop()

    app = Numivox(executable, os.devnull)
    try:
        app.window_id()
        wait_until("the keys to be enabled", lambda: app.enabled("one"), timeout=10)
        app_figures = app_trials(monitor, app, Pointer(), presses, echo_frames)
    finally:
        app.kill()
        monitor.stop()

    print(f'Echo "{ECHO}"; interrupted phrase "{LONG_PHRASE}"; {presses} presses per case.')
    print(f"floor   spd_say, idle                     {summary(floor_figures['idle'])}")
    print(f"floor   spd_cancel + spd_say, interrupting {summary(floor_figures['interrupting'])}")
    print(f"floor   to silence of the interrupted      {summary(floor_figures['silence'])}")
    print(f"numivox clicked key, idle                 {summary(app_figures['clicked idle'])}")
    print(f"numivox typed key, idle                   {summary(app_figures['typed idle'])}")
    print(f"numivox clicked key, interrupting         {summary(app_figures['interrupting'])}")
    print(f"numivox to silence of the interrupted      {summary(app_figures['silence'])}")
    floor_idle = statistics.median(floor_figures["idle"])
    for case in ("clicked idle", "typed idle"):
        print(f"ratio {case} / floor idle: {statistics.median(app_figures[case]) / floor_idle:.2f}"
              " (target at most 1.3)")
    measured = [v for v in app_figures["interrupting"] if v is not None]
    floor_interrupting = [v for v in floor_figures["interrupting"] if v is not None]
    if measured and floor_interrupting:
        print(f"ratio interrupting / floor interrupting: "
              f"{statistics.median(measured) / statistics.median(floor_interrupting):.2f}")


if __name__ == "__main__":
    main()
