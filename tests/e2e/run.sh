#!/usr/bin/env bash
# End-to-end test: each scenario of e2e.py in a PID namespace of its own, so that nothing its
# desktop session starts can outlive it.   run.sh NUMIVOX_EXECUTABLE
# Exits 77 (skipped) when a tool is missing; in CI that is a failure.
set -euo pipefail
missing=()
for tool in Xvfb xdotool dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher pulseaudio pactl \
    parec speech-dispatcher /usr/lib/speech-dispatcher-modules/sd_espeak-ng orca unshare; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
for module in pyatspi speechd; do
    /usr/bin/python3 -c "import $module" 2>/dev/null || missing+=("python3-$module")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "not installed (scripts/install-deps.sh installs them): ${missing[*]}" >&2
    [ "${CI:-}" = true ] && exit 1 || exit 77
fi
failures=0
for scenario in talking reader no-audio no-speech; do
    unshare --pid --fork --mount-proc --kill-child /usr/bin/python3 \
        "$(dirname "$(realpath "$0")")/e2e.py" $scenario "$(realpath "$1")" || failures=$((failures + 1))
done
exit $((failures > 0))
