#!/usr/bin/env bash
# Builds Vorlaine (installing what is missing) and starts it. Extra arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target vorlaine
exec build/game/vorlaine "$@"
