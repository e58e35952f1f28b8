#!/usr/bin/env bash
# cmake --install into a staging prefix (DESTDIR), the staged files made read-only, the staged game played
# through level 1 by an unprivileged user: the career and the unpacked frames land in that user's folder and
# no file under the prefix changes. Also validates the installed desktop entry, metainfo and manual page.
# Usage: install_test.sh BUILD_DIR     (exits 77, skipped, when not root: switching users needs root)
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/player.sh"
if [ "$(id -u)" -ne 0 ]; then echo "install test: needs root to play as another user; skipped"; exit 77; fi

work=$(mktemp -d /tmp/vorlaine-install-XXXXXX)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log"
usr=$stage/usr
binary=$usr/games/vorlaine
app=org.vorlaine.vorlaine

# What is installed: the game, its data, the desktop files, the manual; no tests, benchmarks or tools.
for f in "$binary" "$usr/share/games/vorlaine/manifest.txt" "$usr/share/applications/$app.desktop" \
         "$usr/share/metainfo/$app.metainfo.xml" "$usr/share/man/man6/vorlaine.6.gz" \
         "$usr/share/doc/vorlaine/copyright" "$usr/share/doc/vorlaine/changelog.gz"; do
    [ -s "$f" ] || { echo "missing: $f"; exit 1; }
done
for size in 16 32 48 64 128 256 512; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/vorlaine.png
    file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || { echo "bad icon: $(file "$icon")"; exit 1; }
done
extra=$(find "$stage" -type f \( -name '*_test' -o -name contentgen -o -name '*_bench' -o -name '*.a' \))
[ -z "$extra" ] || { echo "installed but not for players: $extra"; exit 1; }
listed=$(grep -vc '^#' "$usr/share/games/vorlaine/manifest.txt")
installed=$(find "$usr/share/games/vorlaine" -type f ! -name manifest.txt | wc -l)
[ "$listed" -eq "$installed" ] || { echo "manifest lists $listed files, $installed installed"; exit 1; }

desktop-file-validate "$usr/share/applications/$app.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml"
# The manual page lists every option --help shows.
man=$(zcat "$usr/share/man/man6/vorlaine.6.gz" | sed 's/\\-/-/g')
for option in $("$binary" --help | grep -o -- '^  --[a-z-]*'); do
    grep -q -- "^\.BI\? \"\?$option\b" <<<"$man" || { echo "the manual page lacks $option"; exit 1; }
done

# The staged tree becomes read-only and is fingerprinted; the player cannot and must not change it.
chmod -R a-w "$stage"
fingerprint() { (cd "$stage" && find . -printf '%p %y %m %s %T@\n' | sort && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
fingerprint >"$work/before"
uid=$(pick_player_uid)
play_level_one "$uid" "$work/home" "$binary"
check_player_files "$work/home"
fingerprint >"$work/after"
diff "$work/before" "$work/after" >/dev/null || { echo "the staged prefix changed:"; diff "$work/before" "$work/after" | head; exit 1; }
echo "install test: staged install played by uid $uid; career and frames in its folder; prefix unchanged"
