#!/usr/bin/env bash
# The browser test: builds the web version, draws the native reference frames, and drives Debian's headless
# Chromium through the page (title frame, a tap on Play, a career kept across a reload, a seeded replay).
# Screenshots and the page's console go to build-web/test/.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
scripts/web.sh
built=$(date +%s)

out=build-web/test
rm -rf "$out"
mkdir -p "$out/reference"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The native frames, drawn from a fresh copy of the same program folder: the title, and after a tap on Play
# (frame 60) the level select. The browser's first start unpacks the creatures too, as this one does.
cp -a build/game "$tmp/game"
rm -f "$tmp/game/career.dat" "$tmp/game/.vorlaine.lock"
printf '60 tap 196 180\n' > "$tmp/tap.txt"
HOME="$tmp" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" \
    build/game/vorlaine --headless --fixed-step 20 --seed 1 --data "$tmp/game" --input "$tmp/tap.txt" \
    --frames 150 --screenshot "50:$out/reference/title.png" --screenshot "150:$out/reference/level_select.png" \
    --log "$tmp/native.log"
# The built-in player through level 1 with a fixed seed and clock: the page must draw the same frame 600.
rm -rf "$tmp/game" && cp -a build/game "$tmp/game" && rm -f "$tmp/game/career.dat" "$tmp/game/.vorlaine.lock"
HOME="$tmp" XDG_DATA_HOME="$tmp/data2" XDG_CONFIG_HOME="$tmp/config2" \
    build/game/vorlaine --headless --fixed-step 20 --seed 5 --data "$tmp/game" --level 1 --autoplay --frames 600 \
    --screenshot "600:$out/reference/replay.png" --log "$tmp/native_replay.log"

# The driver's packages exactly as locked; npm's own cache keeps this quick after the first time.
(cd web/test && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
tested=$(date +%s)
status=0
node web/test/browser_test.js build-web "$out/reference" "$out" || status=$?
echo "web test: build $((built - started)) s, references and npm $((tested - built)) s, browser $(( $(date +%s) - tested )) s;" \
     "screenshots in $out/"
exit $status
