#!/usr/bin/env bash
# Installs, through apt-get, whatever the build, the program and its tests need and is missing.
# Safe to run again: it does nothing (and prints nothing) when everything is there.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libspeechd-dev qt6-l10n-tools qt6-tools-dev
    # run
    qt6-qpa-plugins qt6-translations-l10n speech-dispatcher speech-dispatcher-espeak-ng
    fonts-dejavu-core
    # tests: printing checks, the real desktop session, packaging
    poppler-utils python3-xlib xvfb xdotool x11-xkb-utils dbus-daemon at-spi2-core python3-pyatspi
    pulseaudio pulseaudio-utils orca python3-speechd
    appstream desktop-file-utils dpkg-dev file lintian man-db
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
