"""Speech latency of Numivox beside the floor that speech-dispatcher itself sets, measured on the
sound that comes out, in one desktop session (run.sh starts it).

    latency.py NUMIVOX FLOOR_PROGRAM SESSION_DIR PRESSES

For each case it prints the median, quartiles and count of:
  - key event to the first non-silent sample of its echo, with nothing being spoken;
  - the same while one of the program's own phrases is under way (the echo interrupts it);
  - key event to the last non-silent sample of the interrupted phrase;
  - key event to the daemon receiving the program's request, from its protocol log.
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

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tests/e2e"))
from desktop import Numivox, Session, SpeechLog, wait_until  # noqa: E402

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
             f"--rate={RATE}", "--channels=1"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.samples = bytearray()
        # (read time, samples read so far) of every read. The sound server makes samples in real
        # time and parec hands them over later, so the earliest (read time - samples / rate)
        # over a stretch of reads tells when sample 0 would have been made. It is taken over
        # the reads around the moment asked about, so a gap in the recording shifts nothing else.
        self.reads = []
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        descriptor = self.process.stdout.fileno()
        while chunk := os.read(descriptor, 4096):
            now = time.monotonic()
            with self.lock:
                self.samples += chunk
                self.reads.append((now, len(self.samples) // 2))

    def epoch(self, moment):
        with self.lock:
            nearby = [read for read in self.reads[-4000:] if moment <= read[0] <= moment + 2]
            if not nearby:
                nearby = self.reads[-200:]
        return min(when - count / RATE for when, count in nearby)

    def stop(self):
        self.process.terminate()
        self.process.wait()

    def frames(self, start, end):
        """Loud (True) or silent frames of the sound made from monotonic times start to end."""
        epoch = self.epoch(start)
        with self.lock:
            first = max(0, int((start - epoch) * RATE)) * 2
            last = int((end - epoch) * RATE) * 2
            data = memoryview(bytes(self.samples[first:last])).cast("h")
        return [max(map(abs, data[i:i + FRAME]), default=0) > LEVEL
                for i in range(0, len(data) - FRAME + 1, FRAME)]

    def now_index(self):
        with self.lock:
            return len(self.samples) // 2

    def recorded_until(self):
        return self.epoch(time.monotonic() - 2) + self.now_index() / RATE

    def silent_for(self, seconds):
        end = self.recorded_until()
        frames = self.frames(end - seconds, end)
        return len(frames) >= seconds * 400 - 1 and not any(frames)

    def sounding_for(self, seconds):
        end = self.recorded_until()
        return all(self.frames(end - seconds, end) or [False])

    def wait_silence(self):
        wait_until("silence", lambda: self.silent_for(0.5), timeout=10)


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
    moment = press_echo()
    onset, cut, _ = measure(monitor, moment, echo_frames)
    return onset, cut, moment


def run_trials(monitor, floor, app, pointer, presses):
    """Alternates the floor and the program press by press, so that both meet the same load."""
    keys = {name: centre(app.key(name)) for name in ("one", "point", "clear work area")}
    figures = {case: [] for case in ("floor idle", "floor interrupting", "floor silence",
                                     "clicked idle", "typed idle", "interrupting", "silence")}
    key_moments = {case: [] for case in ("clicked idle", "typed idle", "interrupting")}
    floor_lengths, app_lengths = [], []

    def clear(then_point=False):
        monitor.wait_silence()
        pointer.click(*keys["clear work area"])
        wait_until("a clear display", lambda: app.display() == "", timeout=3)
        if then_point:
            pointer.click(*keys["point"])
            wait_until("a point", lambda: app.display() == ".", timeout=3)

    def idle(case, press, lengths):
        monitor.wait_silence()
        moment = press()
        onset, _, length = measure(monitor, moment)
        figures[case].append(onset)
        lengths.append(length)
        key_moments.get(case, []).append(moment)

    app.focus()
    for index in range(presses):
        if index % 4 == 0:
            clear()
        idle("floor idle", lambda: floor.send("say", ECHO), floor_lengths)
        idle("clicked idle", lambda: pointer.click(*keys["one"]), app_lengths)
        idle("typed idle", lambda: pointer.key("1"), [])

    floor_echo, app_echo = statistics.median(floor_lengths), statistics.median(app_lengths)
    for index in range(presses):
        if index % 7 == 0:
            clear(then_point=True)  # a second point says the long phrase
        onset, cut, _ = interrupted_trial(monitor, lambda: floor.send("say", LONG_PHRASE),
                                          lambda: floor.send("interrupt", ECHO), floor_echo)
        figures["floor interrupting"].append(onset)
        figures["floor silence"].append(cut)
        onset, cut, moment = interrupted_trial(monitor, lambda: pointer.click(*keys["point"]),
                                               lambda: pointer.click(*keys["one"]), app_echo)
        figures["interrupting"].append(onset)
        figures["silence"].append(cut)
        key_moments["interrupting"].append(moment)
    return figures, key_moments


def delivery_delays(session, key_moments):
    """Seconds from each key event to the daemon receiving the program's first request for it
    (a cancel or a phrase): the program's own share of the latency."""
    to_wall_clock = time.time() - time.monotonic()
    received = [moment for moment, _, _ in SpeechLog(session).timed_events()]
    delays = {}
    for case, moments in key_moments.items():
        delays[case] = [next((r - m - to_wall_clock for r in received if r >= m + to_wall_clock
                              - 0.001), None) for m in moments]
    return delays


def summary(values):
    found = sorted(v * 1000 for v in values if v is not None)
    if len(found) < 4:
        return f"only {len(found)} measured"
    q1, median, q3 = statistics.quantiles(found, n=4)
    return f"median {median:6.1f} ms  (quartiles {q1:6.1f} .. {q3:6.1f}, n={len(found)})"


def main():
    executable, floor_executable, session, presses = sys.argv[1:5]
    presses = int(presses)
    monitor = LiveMonitor()
    wait_until("the monitor", lambda: monitor.now_index() > RATE // 2, timeout=5)
    floor = FloorProgram(floor_executable)
    app = Numivox(executable, os.path.join(session, "logs", "numivox.log"))
    try:
        app.window_id()
        wait_until("the keys to be enabled", lambda: app.enabled("one"), timeout=10)
        figures, key_moments = run_trials(monitor, floor, app, Pointer(), presses)
    finally:
        app.kill()
        floor.stop()
        monitor.stop()

    print(f'Echo "{ECHO}"; interrupted phrase "{LONG_PHRASE}"; {presses} presses per case.')
    for case, label in [("floor idle", "floor   spd_say, idle"),
                        ("floor interrupting", "floor   spd_cancel + spd_say, interrupting"),
                        ("floor silence", "floor   to silence of the interrupted phrase"),
                        ("clicked idle", "numivox clicked key, idle"),
                        ("typed idle", "numivox typed key, idle"),
                        ("interrupting", "numivox clicked key, interrupting"),
                        ("silence", "numivox to silence of the interrupted phrase")]:
        print(f"{label:45} {summary(figures[case])}")

    for case, delays in delivery_delays(Session(session), key_moments).items():
        print(f"{'numivox ' + case + ', key to daemon':45} {summary(delays)}")

    def median(case):
        return statistics.median(v for v in figures[case] if v is not None)

    for case, floor_case in [("clicked idle", "floor idle"), ("typed idle", "floor idle"),
                             ("interrupting", "floor interrupting")]:
        print(f"ratio {case} / {floor_case}: {median(case) / median(floor_case):.2f}"
              " (target: at most 1.3)")
    print(f"to silence: {median('silence') * 1000:.1f} ms (target: at most 40 ms; "
          f"the floor's own: {median('floor silence') * 1000:.1f} ms)")


if __name__ == "__main__":
    main()
