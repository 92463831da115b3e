#!/usr/bin/env bash
# Installs the built program into a scratch prefix and builds its Debian package, then checks
# that both carry what a desktop needs: the program, a valid desktop entry and metadata, the icon,
# and dependencies that bring the speech daemon and its voice.
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
    share/metainfo/org.numivox.Numivox.metainfo.xml; do
    [ -e "$scratch/usr/$file" ] || fail "cmake --install did not put $file in place"
done
desktop-file-validate "$scratch/usr/share/applications/org.numivox.Numivox.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.numivox.Numivox.metainfo.xml"

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
contents=$(dpkg-deb --contents "$package")
for file in ./usr/bin/numivox ./usr/share/applications/org.numivox.Numivox.desktop \
    ./usr/share/metainfo/org.numivox.Numivox.metainfo.xml; do
    grep -qF " $file" <<<"$contents" || fail "the package lacks $file"
done
echo "OK: $(basename "$package")"
