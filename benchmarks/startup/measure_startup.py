"""Launches a program again and again on an X server and prints, as medians, the time from
launch to its first window being mapped, its resident memory once it has settled, and (for a
program that speaks) the time until "ready" reached speech-dispatcher's protocol log."""

import math
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tests/e2e"))
from desktop import Session, SpeechLog  # noqa: E402

SETTLE_SECONDS = 1.5  # past the calculator's one-second warm-up


def time_of_ready(speech_log, since):
    """Wall-clock time at which the daemon received the program's first phrase, "ready" in its
    language, at or after since."""
    for client, moment, kind, _ in speech_log.requests(since):
        if client == "numivox" and kind == "speak":
            return moment
    return None


def resident_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def launch_once(root, command):
    launched_wall = time.time()
    launched = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = None
    deadline = launched + 20
    while mapped is None and time.monotonic() < deadline:
        while root.display.pending_events():
            event = root.display.next_event()
            if event.type == X.MapNotify and not event.override:
                mapped = time.monotonic()
                break
        else:
            time.sleep(0.0005)
    time.sleep(max(0.0, launched + SETTLE_SECONDS - time.monotonic()))
    memory = resident_mib(process.pid)
    process.terminate()
    process.wait(timeout=10)
    return {
        "mapped_ms": (mapped - launched) * 1000 if mapped else float("nan"),
        "rss_mib": memory,
        "launched_wall": launched_wall,
    }


def main():
    runs = int(sys.argv[1])
    floor_command, program_command, precise_time = sys.argv[2:5]
    session = Session(tempfile.mkdtemp(prefix="numivox-startup-"), precise_time)
    try:
        session.start()
        measure(session, runs, floor_command, program_command)
    finally:
        session.stop()
        shutil.rmtree(session.directory)


def measure(session, runs, floor_command, program_command):
    speech_log = SpeechLog(session)
    screen = xdisplay.Display()
    root = screen.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen.sync()

    results = {"floor": [], "numivox": []}
    for _ in range(runs):  # alternate, so that both see the same machine
        results["floor"].append(launch_once(root, [floor_command]))
        results["numivox"].append(launch_once(root, [program_command]))

    # The daemon writes its log in blocks: read it once it has stopped.
    session.kill("speechd")
    for run in results["numivox"]:
        ready = time_of_ready(speech_log, run["launched_wall"])
        in_time = ready is not None and ready - run["launched_wall"] < SETTLE_SECONDS
        run["ready_ms"] = (ready - run["launched_wall"]) * 1000 if in_time else float("nan")

    def median(name, key):
        values = [run[key] for run in results[name] if not math.isnan(run[key])]
        return statistics.median(values) if values else float("nan")

    missed = [i + 1 for i, run in enumerate(results["numivox"]) if math.isnan(run["ready_ms"])]

    floor_map, program_map = median("floor", "mapped_ms"), median("numivox", "mapped_ms")
    print(f"runs: {runs} each, medians")
    print(f"bare Qt window (floor): mapped {floor_map:6.1f} ms   resident {median('floor', 'rss_mib'):5.1f} MiB")
    print(f"numivox:                mapped {program_map:6.1f} ms   resident {median('numivox', 'rss_mib'):5.1f} MiB")
    print(f"numivox / floor, launch to mapped: {program_map / floor_map:.2f} (target at most 1.15)")
    print(f"numivox, launch to \"ready\" at speech-dispatcher: {median('numivox', 'ready_ms'):.1f} ms (target at most 100; not heard in {len(missed)} of {runs} runs{': ' + str(missed) if missed else ''})")
    print("numivox resident memory: target at most 40 MiB")


if __name__ == "__main__":
    main()
