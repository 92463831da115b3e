#!/usr/bin/env bash
# End-to-end test: runs Numivox in private desktop sessions and drives it through the
# accessibility bus and the keyboard (e2e.py), once with speech and sound, once beside a screen
# reader, once without a sound device and once without any speech daemon. Every session is
# stopped, and nothing it started may be left running.
#   run.sh NUMIVOX_EXECUTABLE
# Exits 77 (skipped) when the session's tools cannot start here; in CI that is a failure.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
numivox=$(realpath "$1")
readonly skipped=77

tools=(Xvfb xprop xdotool dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher pulseaudio pactl
    parec speech-dispatcher /usr/lib/speech-dispatcher-modules/sd_espeak-ng setsid unshare orca)

cannot_run() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $*" >&2
        exit 1
    fi
    echo "SKIP: $*" >&2
    exit $skipped
}

for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || cannot_run "$tool is not installed (scripts/install-deps.sh installs it)"
done
for module in pyatspi speechd; do
    /usr/bin/python3 -c "import $module" 2>/dev/null ||
        cannot_run "Debian's python3-$module is not installed (scripts/install-deps.sh installs it)"
done

work=$(mktemp -d)
session=
cleanup() {
    [ -z "$session" ] || "$here/session.sh" stop "$session"
    rm -rf "$work"
}
trap cleanup EXIT

show_logs() {
    local log
    for log in "$session"/logs/*.log; do
        echo "--- ${log##*/}"
        tail -n 20 "$log"
    done >&2
}

# Runs one scenario of e2e.py in a fresh session started with the given options.
#   scenario NAME talking|reader|silent [session options]
scenario() {
    local name=$1 kind=$2
    shift 2
    session=$work/$name
    mkdir -p "$session"
    "$here/session.sh" start "$session" "$@" >"$work/$name-start.log" 2>&1 ||
        { cat "$work/$name-start.log" >&2; cannot_run "the desktop session could not start"; }
    local status=0
    (
        # shellcheck disable=SC1091
        source "$session/env"
        exec timeout 180 /usr/bin/python3 "$here/e2e.py" "$kind" "$numivox" "$session"
    ) || status=$?
    # Once the program has quit, only the session's own services may still run.
    local strays
    strays=$("$here/session.sh" strays "$session")
    "$here/session.sh" stop "$session"
    [ $status -eq 0 ] || { show_logs; session=; return $status; }
    session=
    if [ -n "$strays" ]; then
        echo "FAIL ($name): processes left running after the program quit:" >&2
        echo "$strays" >&2
        return 1
    fi
}

failures=0
scenario talking talking || failures=$((failures + 1))
scenario reader reader --screen-reader || failures=$((failures + 1))
scenario no-audio silent --no-audio || failures=$((failures + 1))
scenario no-speech silent --no-speech || failures=$((failures + 1))
exit $((failures > 0))
