#!/usr/bin/env bash
# Builds Vorlaine with its tests (installing what is missing) and runs every test, replays the kept fuzz
# corpora through their targets (a clang build in build-fuzz), then runs the web build's browser test
# (VORLAINE_WEB_TEST=0 leaves that out), and the sanitizer passes (VORLAINE_SANITIZERS=0 leaves those out).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
# One X server for the windowed tests; every other test runs headless.
jobs=$(nproc)
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j "$jobs" "$@"
scripts/fuzz_replay.sh build-fuzz

if [ "${VORLAINE_WEB_TEST:-1}" = "0" ]; then
    echo "web test: skipped (VORLAINE_WEB_TEST=0)"
else
    echo "web test: building the page and driving headless Chromium (VORLAINE_WEB_TEST=0 skips this)"
    scripts/web_test.sh
fi

# Sanitizer passes: AddressSanitizer + UBSan over every test and two whole games, ThreadSanitizer over the
# sound tests (scripts/sanitizers.sh; VORLAINE_SANITIZERS=0 leaves them out).
if [ "${VORLAINE_SANITIZERS:-1}" = "0" ]; then
    echo "sanitizer passes: skipped (VORLAINE_SANITIZERS=0)"
else
    scripts/sanitizers.sh
fi
