#!/usr/bin/env bash
# Start-up benchmark (figures, not a test). Builds Numivox and a bare Qt window as the floor,
# then on a private X server and a private speech-dispatcher prints the medians of launch to
# window mapped, resident memory, and launch to "ready" reaching speech-dispatcher.
#   usage: benchmarks/startup/run.sh [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
runs=${1:-20}

bash "$top/scripts/build.sh" "$top/build" >/dev/null
work=$(mktemp -d)
cleanup() {
    [ -f "$work/speechd.pid" ] && kill "$(cat "$work/speechd.pid")" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

g++ -std=c++20 -O2 -fPIC "$here/bare_window.cpp" -o "$work/bare_window" \
    $(pkg-config --cflags --libs Qt6Widgets)

Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=:97
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

cp -r /etc/speech-dispatcher "$work/speechd"
printf 'LogLevel 4\nCustomLogFile "protocol" "%s"\n' "$work/protocol.log" >>"$work/speechd/speechd.conf"
speech-dispatcher -s -t 0 -C "$work/speechd" -c unix_socket -S "$work/speechd.sock" \
    -P "$work/speechd.pid" -L "$work" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -S "$work/speechd.sock" ] && break; sleep 0.05; done

export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock" SPEECH_PROTOCOL_LOG="$work/protocol.log"
/usr/bin/python3 "$here/measure_startup.py" "$runs" "$work/bare_window" "$top/build/app/numivox"
