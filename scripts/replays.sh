#!/usr/bin/env bash
# Replay regression: recorded runs of the game whose frame checksums at fixed checkpoints and whose log lines
# must not change unless a change means to alter what the player sees or how the game plays.
#
# Usage: scripts/replays.sh check  [--build DIR] [--runs DIR] [NAME...]   compare runs with their recordings
#        scripts/replays.sh record [--build DIR] [--runs DIR] [NAME...]   play them and keep what they show now
# NAME is a folder under the runs folder (default tests/replays; default: every run there); --build names the
# build folder (default: build), whose game/ holds the binary and the data. Each run reads that data and gets
# a fresh HOME of its own; what it shows now stays in BUILD/replays/NAME.
#
# A run's folder holds run.txt (its arguments, how many frames it lasts, and every how many frames a
# checkpoint falls, from which frame on), an optional input.txt (scripted input, passed as --input),
# sums.txt (frame and checksum of the presented picture at each checkpoint), log.txt (the game's log, with the
# run's temporary folder written as <TMP> and the data folder as <DATA>) and frame_NNNNNN.png (the picture at
# each checkpoint, for a person to compare when a checksum differs).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
runs_dir="$repo/tests/replays"

usage() { sed -n '5,9p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
[ $# -ge 1 ] || usage
mode=$1; shift
case "$mode" in check|record) ;; *) usage ;; esac
build="$repo/build"
while [ $# -ge 2 ]; do
    case "$1" in
        --build) build=$(cd "$2" && pwd); shift 2 ;;
        --runs) runs_dir=$(cd "$2" && pwd); shift 2 ;;
        *) break ;;
    esac
done
binary="$build/game/vorlaine"
[ -x "$binary" ] || { echo "replays: no game binary at $binary; build first" >&2; exit 2; }

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for d in "$runs_dir"/*/; do names+=("$(basename "$d")"); done
fi

# One value of run.txt: "key = value" lines, # starts a remark.
setting() {
    sed -n "s/^[[:space:]]*$2[[:space:]]*=[[:space:]]*//p" "$1" | sed 's/[[:space:]]*#.*$//; s/[[:space:]]*$//' | tail -n 1
}

# Plays run $1 into folder $2: out/ gets sums.txt, log.txt, output.txt and the checkpoint pictures.
# Returns the game's exit code.
play() {
    local name=$1 work=$2 conf="$runs_dir/$1/run.txt"
    local args frames every first
    args=$(setting "$conf" args); frames=$(setting "$conf" frames)
    every=$(setting "$conf" every); first=$(setting "$conf" first)
    first=${first:-$every}
    if [ -z "$frames" ] || [ -z "$every" ]; then
        echo "replays: $conf needs 'frames' and 'every'" >&2; return 2
    fi
    rm -rf "$work"; mkdir -p "$work/tmp/home" "$work/out"
    local tmp="$work/tmp" data="$build/game"
    # The game only reads its data folder, so runs share the build's; a portable one would take the
    # player's files, so that one is copied.
    if [ -e "$data/portable" ]; then
        cp -a "$data" "$tmp/game"; rm -f "$tmp/game/portable"; data="$tmp/game"
    fi
    local extra=()
    [ -f "$runs_dir/$name/input.txt" ] && extra+=(--input "$runs_dir/$name/input.txt")
    local f
    for ((f = first; f <= frames; f += every)); do
        extra+=(--screenshot "$f:$work/out/$(printf 'frame_%06d.png' "$f")")
    done
    local code=0
    # shellcheck disable=SC2086  # the run's arguments are separate words
    HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share" XDG_CONFIG_HOME="$tmp/home/.config" \
    XDG_CACHE_HOME="$tmp/home/.cache" XDG_RUNTIME_DIR="$tmp/home" SDL_AUDIODRIVER=dummy \
        timeout 600 "$binary" --data "$data" --headless $args --frames "$frames" \
        --log "$work/out/raw_log.txt" --frame-sums "$every:$work/out/raw_sums.txt" "${extra[@]}" \
        >"$work/out/output.txt" 2>&1 || code=$?
    # Checkpoints start at `first`; the folders the run played in and read from read the same everywhere once
    # named <TMP>, <DATA> and <REPO>.
    awk -v first="$first" '$1 >= first' "$work/out/raw_sums.txt" >"$work/out/sums.txt" 2>/dev/null || true
    sed "s|$tmp|<TMP>|g; s|$build/game|<DATA>|g; s|$repo|<REPO>|g" "$work/out/raw_log.txt" >"$work/out/log.txt" 2>/dev/null || true
    rm -rf "$tmp"
    return $code
}

# Where a path lies, relative to the repository when it is inside it.
show() { case "$1" in "$repo"/*) echo "${1#"$repo"/}" ;; *) echo "$1" ;; esac; }

check() {
    local name=$1 dir="$runs_dir/$1" work="$build/replays/$1"
    local code=0
    play "$name" "$work" || code=$?
    local out="$work/out"
    if [ $code -ne 0 ]; then
        echo "REPLAY FAILED: run '$name' ended with exit code $code; its output:"
        tail -n 30 "$out/output.txt"
        return 1
    fi
    local failed=0
    # The first checkpoint whose checksum differs, or that the run never reached.
    local differ
    differ=$(awk 'NR == FNR { want[FNR] = $0; n = FNR; next }
                  { got[FNR] = $0; m = FNR }
                  END {
                      for (i = 1; i <= n; i++) {
                          split(want[i], w, " ")
                          if (i > m) { print w[1], w[2], "(none: the run ended before it)"; exit }
                          split(got[i], g, " ")
                          if (w[1] != g[1] || w[2] != g[2]) { print w[1], w[2], g[2]; exit }
                      }
                      if (m > n) { split(got[n + 1], g, " "); print g[1], "(none: not recorded)", g[2] }
                  }' "$dir/sums.txt" "$out/sums.txt")
    if [ -n "$differ" ]; then
        local frame want got png
        read -r frame want got <<<"$differ"
        png=$(printf 'frame_%06d.png' "$frame")
        echo "REPLAY CHANGED: run '$name' first differs at frame $frame (checksum $want expected, $got now)."
        echo "  expected picture: $(show "$dir/$png")"
        if [ -f "$out/$png" ]; then echo "  picture now:      $(show "$out/$png")"
        else echo "  picture now:      none (the run did not reach frame $frame)"; fi
        failed=1
    fi
    if ! cmp -s "$dir/log.txt" "$out/log.txt"; then
        local line
        line=$(diff "$dir/log.txt" "$out/log.txt" | sed -n '1s/^\([0-9]*\).*/\1/p')
        echo "REPLAY CHANGED: run '$name' logs differently from line ${line:-?} on (expected < > now):"
        diff "$dir/log.txt" "$out/log.txt" | head -n 20
        echo "  expected log: $(show "$dir/log.txt")"
        echo "  log now:      $(show "$out/log.txt")"
        failed=1
    fi
    if [ $failed -ne 0 ]; then
        echo "  If the change is meant to alter play, record the runs again: scripts/replays.sh record $name"
        return 1
    fi
    echo "replay '$name': $(wc -l <"$dir/sums.txt") checkpoints and $(wc -l <"$dir/log.txt") log lines as recorded"
}

record() {
    local name=$1 dir="$runs_dir/$1"
    local a="$build/replays/$name-record-a" b="$build/replays/$name-record-b" code=0
    play "$name" "$a" || code=$?
    if [ $code -ne 0 ]; then
        echo "replays: run '$name' ended with exit code $code; nothing recorded"; tail -n 30 "$a/out/output.txt"
        return 1
    fi
    # A recording is only worth keeping when the run repeats exactly.
    play "$name" "$b" || code=$?
    if [ $code -ne 0 ] || ! cmp -s "$a/out/sums.txt" "$b/out/sums.txt" || ! cmp -s "$a/out/log.txt" "$b/out/log.txt"; then
        echo "replays: run '$name' played differently twice; nothing recorded"
        diff "$a/out/sums.txt" "$b/out/sums.txt" | head -n 5 || true
        diff "$a/out/log.txt" "$b/out/log.txt" | head -n 5 || true
        return 1
    fi
    rm -f "$dir"/frame_*.png
    cp "$a/out/sums.txt" "$a/out/log.txt" "$dir/"
    cp "$a/out"/frame_*.png "$dir/"
    rm -rf "$a" "$b"
    echo "recorded '$name': $(wc -l <"$dir/sums.txt") checkpoints, $(wc -l <"$dir/log.txt") log lines"
}

status=0
for name in "${names[@]}"; do
    if [ ! -f "$runs_dir/$name/run.txt" ]; then
        echo "replays: no run '$name' (no $runs_dir/$name/run.txt)" >&2; status=2; continue
    fi
    "$mode" "$name" || status=1
done
exit $status
