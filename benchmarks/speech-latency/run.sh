#!/usr/bin/env bash
# Speech latency of Numivox beside speech-dispatcher's own floor, in a private desktop session.
#   benchmarks/speech-latency/run.sh [BUILD_DIR] [PRESSES]
# Builds what it needs in BUILD_DIR (default build) and prints medians over PRESSES key presses
# per case (default 21).
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-$here/../../build}")
presses=${2:-21}

build_log=$(mktemp)
cmake --build "$build" --target numivox speech_latency_floor precise_time >"$build_log" 2>&1 ||
    { cat "$build_log" >&2; exit 1; }
rm -f "$build_log"

# The session's processes live in a PID namespace of their own, so none outlives it.
unshare --pid --fork --mount-proc --kill-child /usr/bin/python3 "$here/latency.py" \
    "$build/app/numivox" "$build/benchmarks/speech-latency/speech_latency_floor" "$presses" \
    "$build/tests/libprecise_time.so"
