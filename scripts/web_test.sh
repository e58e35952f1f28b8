#!/usr/bin/env bash
# The browser test: builds the web version, draws the native reference frames, and drives Debian's headless
# Chromium through the page (title frame, a tap on Play, the player's folder kept in IndexedDB across a
# reload, a seeded replay). Screenshots and the page's console go to build-web/test/.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
out=build-web/test
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The native frames, drawn from a fresh copy of the same program folder: the title, and after a tap on Play
# (frame 60) the level select; and the built-in player through level 1 with a fixed seed and clock, whose
# frame 600 the page must draw alike. The browser's first start unpacks the creatures too, as these do.
references() {
    local ref="$tmp/reference"
    mkdir -p "$ref"
    cp -a build/game "$tmp/game"
    rm -f "$tmp/game/career.dat" "$tmp/game/.vorlaine.lock" "$tmp/game/portable"
    printf '60 tap 196 180\n' > "$tmp/tap.txt"
    HOME="$tmp" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" \
        build/game/vorlaine --headless --fixed-step 20 --seed 1 --data "$tmp/game" --input "$tmp/tap.txt" \
        --frames 150 --screenshot "50:$ref/title.png" --screenshot "150:$ref/level_select.png" \
        --log "$tmp/native.log"
    HOME="$tmp" XDG_DATA_HOME="$tmp/data2" XDG_CONFIG_HOME="$tmp/config2" \
        build/game/vorlaine --headless --fixed-step 20 --seed 5 --data "$tmp/game" --level 1 --autoplay --frames 600 \
        --screenshot "600:$ref/replay.png" --log "$ref/native_replay.log"   # REPLAY_FRAME in browser_test.js
}

# The driver's packages exactly as locked, installed once per lock file into the web cache and linked as
# web/test/node_modules: a warm machine runs no npm at all.
driver_packages() {
    local root="${VORLAINE_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vorlaine-web}"
    local key dir
    key="$( { cat web/test/package-lock.json; node --version; } | sha256sum | cut -c1-16)"
    dir="$root/npm-$key"
    mkdir -p "$root"
    (
        flock 8
        if [ ! -f "$dir/complete" ]; then
            rm -rf "$dir" && mkdir -p "$dir"
            cp web/test/package.json web/test/package-lock.json "$dir/"
            (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
            touch "$dir/complete"
        fi
    ) 8>"$root/npm-$key.lock"
    if [ "$(readlink web/test/node_modules 2>/dev/null)" != "$dir/node_modules" ]; then
        rm -rf web/test/node_modules
        ln -s "$dir/node_modules" web/test/node_modules
    fi
}

# The native program folder first (web.sh builds it when missing); then the page's build, which spends its
# time in one optimiser, alongside the references and the driver's packages.
if [ ! -x build/game/vorlaine ] || [ ! -f build/game/logic/levels/level1.txt ]; then scripts/web.sh; fi
scripts/web.sh > "$tmp/web.log" 2>&1 &
web_pid=$!
side=0
{ references && driver_packages; } || side=$?
web=0
wait $web_pid || web=$?
cat "$tmp/web.log"
[ $web -eq 0 ] || { echo "web test: the page did not build" >&2; exit $web; }
[ $side -eq 0 ] || { echo "web test: the references or the driver's packages failed" >&2; exit $side; }
built=$(date +%s)

rm -rf "$out"
mkdir -p "$out"
mv "$tmp/reference" "$out/reference"
status=0
node web/test/browser_test.js build-web "$out/reference" "$out" || status=$?
echo "web test: build, references and packages $((built - started)) s, browser $(( $(date +%s) - built )) s;" \
     "screenshots in $out/"
exit $status
