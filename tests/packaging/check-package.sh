#!/usr/bin/env bash
# Builds the Debian package and checks that it carries what a desktop and a distribution need,
# that lintian finds nothing to object to, and that the program answers --version with no display.
#   check-package.sh BUILD_DIR
set -euo pipefail
build_dir=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build_dir" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log") ||
    { cat "$scratch/cpack.log" >&2; fail "cpack could not build the package"; }
package=$(find "$scratch/package" -maxdepth 1 -name 'numivox_*.deb' | head -n1)
[ -n "$package" ] || fail "cpack made no numivox_*.deb"
root=$scratch/contents/usr
dpkg-deb --extract "$package" "$scratch/contents"
for file in bin/numivox share/icons/hicolor/scalable/apps/org.numivox.Numivox.svg \
    share/applications/org.numivox.Numivox.desktop share/metainfo/org.numivox.Numivox.metainfo.xml \
    share/man/man1/numivox.1.gz share/doc/numivox/copyright share/doc/numivox/changelog.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /usr/$file"
done
desktop-file-validate "$root/share/applications/org.numivox.Numivox.desktop"
appstreamcli validate --pedantic --no-net "$root/share/metainfo/org.numivox.Numivox.metainfo.xml"
grep -q '^License: GPL-3+' "$root/share/doc/numivox/copyright" || fail "the copyright lacks the licence"
manual=$(MANWIDTH=80 man --warnings -l "$root/share/man/man1/numivox.1.gz" 2>&1)
grep -q 'numivox - four-function calculator' <<<"$manual" || fail "man cannot show the manual page"
grep -q -- '--version' <<<"$manual" || fail "the manual page does not give the options"

depends=$(dpkg-deb --field "$package" Depends)
for dependency in speech-dispatcher speech-dispatcher-espeak-ng libqt6widgets6 libspeechd2 \
    qt6-qpa-plugins qt6-translations-l10n; do
    grep -Eq "(^|, )$dependency( |,|$)" <<<"$depends" || fail "the package does not depend on $dependency"
done
# Overrides, each with its reason, travel inside the package, where lintian reads them.
lintian --fail-on error,warning "$package" 2> >(grep -v 'running with root privileges' >&2) ||
    fail "lintian reports errors or warnings for $(basename "$package")"

# With no display and X11 asked for, anything that opened a window would fail here.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/bin/numivox" --version) ||
    fail "numivox --version failed"
[ "$version" = "numivox $(dpkg-deb --field "$package" Version)" ] ||
    fail "numivox --version says '$version', unlike the package's version"
echo "OK: $(basename "$package"), $version; Depends: $depends"
