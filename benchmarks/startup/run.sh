#!/usr/bin/env bash
# Start-up benchmark (figures, not a test). Builds Numivox and a bare Qt window as the floor,
# then in a private desktop session (X server, sound server, speech daemon) prints the medians of
# launch to window mapped, resident memory, and launch to "ready" reaching speech-dispatcher.
#   usage: benchmarks/startup/run.sh [runs] [language, such as de: the program's translation]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
runs=${1:-20}
[ -n "${2:-}" ] && export LANGUAGE=$2

bash "$top/scripts/build.sh" "$top/build" >/dev/null
binaries=$(mktemp -d)
trap 'rm -rf "$binaries"' EXIT
g++ -std=c++20 -O2 -fPIC "$here/bare_window.cpp" -o "$binaries/bare_window" \
    $(pkg-config --cflags --libs Qt6Widgets)
# The session's processes live in a PID namespace of their own, so none outlives it.
unshare --pid --fork --mount-proc --kill-child /usr/bin/python3 "$here/measure_startup.py" \
    "$runs" "$binaries/bare_window" "$top/build/app/numivox" \
    "$top/build/tests/libprecise_time.so"
