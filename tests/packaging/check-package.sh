#!/usr/bin/env bash
# Installs the built program into a scratch prefix and builds its Debian package, then checks
# that both carry what a desktop and a distribution need: the program, a valid desktop entry and
# metadata, the icon, the manual page, copyright and changelog, dependencies that bring the speech
# daemon and its voice, and a package lintian finds nothing wrong with. Finally the packaged
# program answers --version with no display at all.
#   check-package.sh BUILD_DIR
set -euo pipefail
build_dir=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build_dir" --prefix "$scratch/usr" >/dev/null
for file in bin/numivox share/applications/org.numivox.Numivox.desktop \
    share/icons/hicolor/scalable/apps/org.numivox.Numivox.svg \
    share/metainfo/org.numivox.Numivox.metainfo.xml share/man/man1/numivox.1.gz \
    share/doc/numivox/copyright share/doc/numivox/changelog.gz; do
    [ -e "$scratch/usr/$file" ] || fail "cmake --install did not put $file in place"
done
desktop-file-validate "$scratch/usr/share/applications/org.numivox.Numivox.desktop"
appstreamcli validate --pedantic --no-net "$scratch/usr/share/metainfo/org.numivox.Numivox.metainfo.xml"

(cd "$build_dir" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log") ||
    { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
package=$(find "$scratch/package" -maxdepth 1 -name 'numivox_*.deb' | head -n1)
[ -n "$package" ] || fail "cpack made no numivox_*.deb"

depends=$(dpkg-deb --field "$package" Depends)
echo "Depends: $depends"
for dependency in speech-dispatcher speech-dispatcher-espeak-ng libqt6widgets6 libspeechd2 \
    qt6-qpa-plugins; do
    grep -Eq "(^|, )$dependency( |,|$)" <<<"$depends" || fail "the package does not depend on $dependency"
done

# Overrides, each with its reason, travel inside the package, where lintian reads them.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/install-deps.sh installs it)"
lintian --fail-on error,warning "$package" 2> >(grep -v 'running with root privileges' >&2) ||
    fail "lintian reports errors or warnings for $(basename "$package")"

root="$scratch/root"
dpkg-deb --extract "$package" "$root"
for file in usr/bin/numivox usr/share/applications/org.numivox.Numivox.desktop \
    usr/share/metainfo/org.numivox.Numivox.metainfo.xml usr/share/man/man1/numivox.1.gz \
    usr/share/doc/numivox/copyright usr/share/doc/numivox/changelog.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
grep -q '^License: GPL-3+' "$root/usr/share/doc/numivox/copyright" ||
    fail "the copyright file does not give the licence"
manual=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/numivox.1.gz" 2>&1)
grep -q 'numivox - four-function calculator' <<<"$manual" || fail "man cannot show the manual page"
grep -q -- '--version' <<<"$manual" || fail "the manual page does not give the options"

# With no display and X11 asked for, anything that opened a window would fail here.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/bin/numivox" --version) ||
    fail "numivox --version failed"
[ "$version" = "numivox $(dpkg-deb --field "$package" Version)" ] ||
    fail "numivox --version says '$version', unlike the package's version"
echo "OK: $(basename "$package"), $version"
