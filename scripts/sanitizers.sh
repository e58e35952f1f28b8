#!/usr/bin/env bash
# CI's sanitizer passes over the normal build in build/ (whose generated content they reuse):
#   1. AddressSanitizer + UBSan (leak checking on) in build-asan: every test, then two whole games with
#      --autoplay and different seeds;
#   2. ThreadSanitizer in build-tsan: only the mixer and sound device tests and what they link.
# Any sanitizer report fails the script, also one from a game process whose exit code a test does not look at:
# every report is written to a file under the build folder, and the script fails when one is there.
# Usage: scripts/sanitizers.sh [asan|tsan]...    (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
passes=("$@")
[ ${#passes[@]} -gt 0 ] || passes=(asan tsan)
[ -f build/game/manifest.txt ] || { echo "sanitizers: build the normal build in build/ first" >&2; exit 2; }
jobs=$(nproc)
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# The two whole games: seeds whose built-in player wins every level at the first attempt, so each game is a
# bounded ~19000 frames; the frame limit only stops a run that went wrong.
GAME_SEEDS=(2 5)
GAME_FRAMES=40000

elapsed() { echo "$((SECONDS - $1)) s"; }

# Fails when a sanitizer wrote a report into folder $1, printing the reports.
no_reports() {
    local reports
    reports=$(find "$1" -type f -size +0 2>/dev/null | sort)
    [ -z "$reports" ] && return 0
    echo "SANITIZER REPORTS ($2):"
    for r in $reports; do echo "== $r"; head -n 60 "$r"; done
    return 1
}

# Options shared by the passes: stop at the first report, with a stack, into a file per process.
sanitizer_env() {
    local reports=$1
    rm -rf "$reports"; mkdir -p "$reports"
    export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:print_stacktrace=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/asan"
    export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
    # Leaks that lie in a library rather than the game, each with its reason, would be listed here.
    if [ -f "$repo/scripts/lsan_suppressions.txt" ]; then
        export LSAN_OPTIONS="suppressions=$repo/scripts/lsan_suppressions.txt:print_suppressions=0"
    fi
    export TSAN_OPTIONS="halt_on_error=1:abort_on_error=1:second_deadlock_stack=1:log_path=$reports/tsan"
    # This machine has an X display (Xvfb) but no session bus. Without an address libdbus, which SDL's audio
    # start-up reaches, tries to find one through the display and loses a 1032-byte buffer on that failing
    # path; an address that names no bus lets it give up at once.
    export DBUS_SESSION_BUS_ADDRESS=disabled:
}

# One whole game under ASan in its own program folder and home; $1 seed, $2 folder.
whole_game() {
    local seed=$1 dir=$2
    rm -rf "$dir"; mkdir -p "$dir/home"
    cp -a build-asan/game "$dir/game"
    local code=0
    HOME="$dir/home" XDG_DATA_HOME="$dir/home/.local/share" XDG_CONFIG_HOME="$dir/home/.config" \
    XDG_CACHE_HOME="$dir/home/.cache" XDG_RUNTIME_DIR="$dir/home" \
        timeout 1200 "$dir/game/vorlaine" --data "$dir/game" --headless --fixed-step 40 --seed "$seed" --autoplay \
        --frames "$GAME_FRAMES" --log "$dir/game.log" >"$dir/output.txt" 2>&1 || code=$?
    if [ $code -ne 0 ]; then
        echo "whole game, seed $seed: exit code $code"; tail -n 20 "$dir/output.txt"; return 1
    fi
    if ! grep -q "Ending: The End!" "$dir/game.log"; then
        echo "whole game, seed $seed: did not reach the ending's last step in $GAME_FRAMES frames"
        tail -n 20 "$dir/game.log"; return 1
    fi
    echo "whole game, seed $seed: $(grep -o 'the ending begins at frame [0-9]*' "$dir/game.log")"
    rm -rf "$dir/game" "$dir/home"
}

asan_pass() {
    local t0=$SECONDS t
    sanitizer_env "$repo/build-asan/sanitizer-reports"
    # No content generation and no benchmarks: the data is copied from build/game.
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLAINE_ASAN=ON \
          -DVORLAINE_CONTENT=OFF -DVORLAINE_CONTENT_FROM="$repo/build/game" -DVORLAINE_BENCH=OFF "${launcher[@]}" >/dev/null
    t=$SECONDS
    cmake --build build-asan
    echo "asan: build $(elapsed $t)"
    t=$SECONDS
    local reports="$repo/build-asan/sanitizer-reports"
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build-asan --output-on-failure -j "$jobs" \
        -LE '^display$' -E '^SoundUnderrunTest\.' || { no_reports "$reports" "AddressSanitizer/UBSan"; return 1; }
    # The underrun test measures whether mixing keeps pace in real time; under the sanitizers it would measure
    # them, so it runs in the normal build only.
    # The tests that open windows (label "display") draw through Xvfb's software OpenGL driver, which leaves a
    # few allocations behind and is unloaded before the leak check, so no suppression can name it: they run
    # with every check but that one. The whole games below check for leaks headless.
    ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir build-asan --output-on-failure -L '^display$' ||
        { no_reports "$reports" "AddressSanitizer/UBSan"; return 1; }
    echo "asan: tests $(elapsed $t)"
    t=$SECONDS
    local pids=() status=0 i
    for i in "${!GAME_SEEDS[@]}"; do
        whole_game "${GAME_SEEDS[$i]}" "$repo/build-asan/whole-game-${GAME_SEEDS[$i]}" &
        pids+=($!)
    done
    for i in "${!pids[@]}"; do wait "${pids[$i]}" || status=1; done
    echo "asan: two whole games $(elapsed $t)"
    no_reports "$reports" "AddressSanitizer/UBSan" || status=1
    [ $status -eq 0 ] || return 1
    echo "asan pass: $(elapsed $t0), no reports"
}

tsan_pass() {
    local t0=$SECONDS t
    sanitizer_env "$repo/build-tsan/sanitizer-reports"
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLAINE_TSAN=ON \
          -DVORLAINE_CONTENT=OFF -DVORLAINE_BENCH=OFF "${launcher[@]}" >/dev/null
    t=$SECONDS
    cmake --build build-tsan --target mixer_channels_test mixer_threads_test sound_device_test
    echo "tsan: build $(elapsed $t)"
    t=$SECONDS
    local reports="$repo/build-tsan/sanitizer-reports"
    ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R '^(MixerTest|MixerThreads|SoundDeviceTest)\.' ||
        { no_reports "$reports" "ThreadSanitizer"; return 1; }
    echo "tsan: tests $(elapsed $t)"
    no_reports "$reports" "ThreadSanitizer"
    echo "tsan pass: $(elapsed $t0), no reports"
}

for p in "${passes[@]}"; do
    case "$p" in
        asan) asan_pass ;;
        tsan) tsan_pass ;;
        *) echo "sanitizers: unknown pass '$p' (asan, tsan)" >&2; exit 2 ;;
    esac
done
