#!/usr/bin/env bash
# Builds the browser version into build-web/: vorlaine.html, .js, .wasm and .data, a folder of static files.
# Needs the native build's program folder (build/game; built here when missing) for the generated data.
# The libraries come from scripts/web_deps.sh, built once into a cache outside the source tree.
# Serve it with: cd build-web && python3 -m http.server 8000   (then open http://localhost:8000/vorlaine.html)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh web
export NODE_PATH=/usr/share/nodejs   # emcc's JS optimiser finds acorn and terser there

if [ ! -f build/game/logic/levels/level1.txt ]; then
    echo "web: building the native program folder first (build/game)" >&2
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build --target vorlaine content
fi

prefix="$(scripts/web_deps.sh | tail -1)"

# ccache, where there is one, keeps compiled objects across clones (paths taken relative to this folder).
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD"
fi
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLAINE_TESTS=OFF -DVORLAINE_BENCH=OFF "${launcher[@]}" \
    -DVORLAINE_CONTENT=OFF -DVORLAINE_WEB_DEPS="$prefix" -DVORLAINE_WEB_DATA="$PWD/build/game" >/dev/null
cmake --build build-web
ls -l build-web/vorlaine.html build-web/vorlaine.js build-web/vorlaine.wasm build-web/vorlaine.data | \
    awk '{ printf "web: %-24s %9d bytes\n", $9, $5 }'
