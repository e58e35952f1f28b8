#!/usr/bin/env bash
# The Debian package end to end: cpack builds it, lintian finds no error in it, apt installs it, an
# unprivileged player wins level 1 with the installed game, and apt removes it, leaving nothing under /usr.
# It installs into this machine's real /usr, so it runs only as root and never on a machine where the
# game is already installed (the removal would take a player's copy with it).
# Usage: package_test.sh BUILD_DIR     (exits 77, skipped, when it may not run)
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/player.sh"
if [ "$(id -u)" -ne 0 ]; then echo "package test: needs root for apt; skipped"; exit 77; fi
if dpkg-query -W -f='${Status}' vorlaine 2>/dev/null | grep -q "install ok installed"; then
    echo "package test: vorlaine is installed on this machine and would be removed; skipped"
    exit 77
fi

work=$(mktemp -d /tmp/vorlaine-package-XXXXXX)
chmod 755 "$work"
installed=no
finish() {
    # Whatever failed, the machine gets its /usr back.
    if [ "$installed" = yes ]; then DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq vorlaine >/dev/null 2>&1 || true; fi
    rm -rf "$work"
}
trap finish EXIT

(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$build/vorlaine_$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no package at $deb"; exit 1; }

lintian_ok=yes
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || lintian_ok=no
grep -v "running with root privileges" "$work/lintian.log" || true
[ "$lintian_ok" = yes ] || { echo "lintian reports errors"; exit 1; }
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || { echo "the package puts files outside /usr: $outside"; exit 1; }
dpkg-deb -x "$deb" "$work/unpacked"
file "$work/unpacked/usr/games/vorlaine" | grep -q ", stripped" || { echo "the packaged binary is not stripped"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q "libsdl2-2.0-0" || { echo "dependencies were not computed from the binary"; exit 1; }

installed=yes
DEBIAN_FRONTEND=noninteractive apt install -y -qq "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
dpkg -L vorlaine | sort -r >"$work/files"
uid=$(pick_player_uid)
play_level_one "$uid" "$work/home" /usr/games/vorlaine
check_player_files "$work/home"

DEBIAN_FRONTEND=noninteractive apt remove -y -qq vorlaine >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
installed=no
# Every file is gone; a folder may stay only where another package still owns it.
while read -r path; do
    [ -e "$path" ] || continue
    if [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1; then continue; fi
    echo "left behind: $path"
    exit 1
done <"$work/files"
[ ! -e /usr/share/games/vorlaine ] || { echo "left behind: /usr/share/games/vorlaine"; exit 1; }
echo "package test: $(basename "$deb") passed lintian, installed, played by uid $uid, removed without leftovers"
