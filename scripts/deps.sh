#!/usr/bin/env bash
# Installs the Debian packages Vorlaine needs that are missing. One list, used by both README commands.
# Usage: scripts/deps.sh [build|test|web]   (web: the browser build and its test, scripts/web.sh)
set -euo pipefail

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev
                libfontconfig-dev fonts-liberation2 libminizip-dev zlib1g-dev libgtest-dev libbenchmark-dev)
# The tests also run a real window under Xvfb, type into it (xdotool), photograph it, write archives with Info-ZIP, and hold a
# second start at its connect with strace; the install and package tests build the Debian package and check
# it (lintian, the desktop entry, the metainfo); the fuzz corpus replay needs clang with its sanitizer and
# libFuzzer runtimes, and llvm-symbolizer for its reports.
TEST_PACKAGES=(xvfb xauth xdotool imagemagick zip strace dpkg-dev desktop-file-utils appstream lintian file
               clang libclang-rt-dev llvm)
# The browser build: emscripten, Debian's sources of the libraries (dpkg-dev unpacks them), the bundled font;
# its test serves the page and drives Debian's Chromium from node.
WEB_PACKAGES=(emscripten dpkg-dev fonts-liberation2 chromium nodejs)

want=("${BUILD_PACKAGES[@]}")
if [ "${1:-build}" = "test" ]; then want+=("${TEST_PACKAGES[@]}"); fi
if [ "${1:-build}" = "web" ]; then
    want=("${WEB_PACKAGES[@]}")
    # npm comes with some builds of node; Debian's own is a package of its own.
    if ! command -v npm >/dev/null; then want+=(npm); fi
fi

missing=()
for p in "${want[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
