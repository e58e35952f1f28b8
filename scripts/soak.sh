#!/usr/bin/env bash
# Soak: the whole game with --autoplay for several seeds, one after the other, each in a fresh program folder
# and home. For each seed it reports whether the ending's last step came, and the resident size of the game
# process when level 2 begins, when level 12 begins and when the ending begins, with the ratios to level 2.
# Memory counts as flat when level 12 and the ending lie within 10 % of level 2. Not part of CI (it takes a
# while); run it after changes to loading, strips, sounds or the thing lists.
#
# Usage: scripts/soak.sh [--build DIR] [SEED...]      (default: build, seeds 1 to 10)
# With an ASan build (--build build-asan) a sanitizer report also fails the seed; sizes there include the
# sanitizer's own memory and are told, not judged.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build="$repo/build"
if [ "${1:-}" = "--build" ]; then
    build=$(cd "$2" && pwd); shift 2
fi
seeds=("$@")
[ ${#seeds[@]} -gt 0 ] || seeds=(1 2 3 4 5 6 7 8 9 10)
[ -x "$build/game/vorlaine" ] || { echo "soak: no game binary in $build/game; build first" >&2; exit 2; }
sanitized=0
grep -q '^VORLAINE_ASAN:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null && sanitized=1
FRAMES=60000  # far more than a whole game takes; only a run that went wrong meets it

work=$(mktemp -d "${TMPDIR:-/tmp}/vorlaine-soak.XXXXXX")
trap 'rm -rf "$work"' EXIT

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "-" }'; }

printf '%-5s %-8s %-10s %-11s %-12s %-9s %-9s %s\n' seed ending "rss L2 kB" "rss L12 kB" "rss end kB" "L12/L2" "end/L2" \
    "wall s"
status=0
for seed in "${seeds[@]}"; do
    dir="$work/$seed"
    mkdir -p "$dir/home"
    cp -a "$build/game" "$dir/game"
    mkfifo "$dir/log.fifo"
    reports="$dir/reports"; mkdir -p "$reports"
    t0=$SECONDS
    HOME="$dir/home" XDG_DATA_HOME="$dir/home/.local/share" XDG_CONFIG_HOME="$dir/home/.config" \
    XDG_CACHE_HOME="$dir/home/.cache" XDG_RUNTIME_DIR="$dir/home" \
    ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:log_path=$reports/asan" \
    UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1:log_path=$reports/ubsan" \
        "$dir/game/vorlaine" --data "$dir/game" --headless --fixed-step 40 --seed "$seed" --autoplay \
        --frames "$FRAMES" --log "$dir/log.fifo" >"$dir/output.txt" 2>&1 &
    pid=$!
    l2=0 l12=0 lend=0
    # The game writes its log line by line; the line that a level begins stops the game while its size is
    # read, so every sample falls on the same frame of its level, however busy the machine is.
    while IFS= read -r line; do
        printf '%s\n' "$line" >>"$dir/game.log"
        case "$line" in
            "Autoplay: level 2 begins"*|"Autoplay: level 12 begins"*|"Autoplay: the ending begins"*)
                kill -STOP "$pid" 2>/dev/null || true
                kb=$(rss_kb "$pid")
                kill -CONT "$pid" 2>/dev/null || true
                case "$line" in
                    *"level 2 "*) [ "$l2" -ne 0 ] || l2=$kb ;;
                    *"level 12 "*) [ "$l12" -ne 0 ] || l12=$kb ;;
                    *) lend=$kb ;;
                esac ;;
        esac
    done <"$dir/log.fifo"
    code=0
    wait "$pid" || code=$?
    ending=no
    grep -q "Ending: The End!" "$dir/game.log" && ending=yes
    r12=$(ratio "$l12" "$l2"); rend=$(ratio "$lend" "$l2")
    printf '%-5s %-8s %-10s %-11s %-12s %-9s %-9s %s\n' "$seed" "$ending" "$l2" "$l12" "$lend" "$r12" "$rend" \
        "$((SECONDS - t0))"
    problem=""
    [ $code -eq 0 ] || problem+=" exit code $code;"
    [ $ending = yes ] || problem+=" no ending;"
    if [ -n "$(find "$reports" -type f -size +0)" ]; then
        problem+=" sanitizer report:"
        for r in "$reports"/*; do problem+=$'\n'"$(head -n 40 "$r")"; done
    fi
    if [ $sanitized -eq 0 ] && [ "$l2" -gt 0 ]; then
        awk -v a="$l12" -v c="$lend" -v b="$l2" 'BEGIN { exit !(a > b * 1.1 || a < b * 0.9 || c > b * 1.1) }' &&
            problem+=" memory not flat (more than 10 % from level 2);"
    fi
    if [ -n "$problem" ]; then
        echo "  seed $seed:$problem"
        tail -n 5 "$dir/output.txt" | sed 's/^/    /'
        status=1
    fi
    rm -rf "$dir"
done
exit $status
