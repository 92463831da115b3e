#!/usr/bin/env bash
# Start-up benchmark (figures, not a test). Builds Numivox and a bare Qt window as the floor,
# then in a private desktop session (X server, sound server, speech daemon) prints the medians of
# launch to window mapped, resident memory, and launch to "ready" reaching speech-dispatcher.
#   usage: benchmarks/startup/run.sh [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
session_script=$top/tests/e2e/session.sh
runs=${1:-20}

bash "$top/scripts/build.sh" "$top/build" >/dev/null
session=$(mktemp -d)
trap '"$session_script" stop "$session"; rm -rf "$session"' EXIT

g++ -std=c++20 -O2 -fPIC "$here/bare_window.cpp" -o "$session/bare_window" \
    $(pkg-config --cflags --libs Qt6Widgets)

"$session_script" start "$session" >/dev/null
(
    # shellcheck disable=SC1091
    source "$session/env"
    /usr/bin/python3 "$here/measure_startup.py" "$runs" "$session/bare_window" \
        "$top/build/app/numivox" "$session"
)
