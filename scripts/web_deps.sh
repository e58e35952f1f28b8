#!/usr/bin/env bash
# Builds the web build's libraries (zlib, minizip, libpng, libjpeg, freetype, SDL2, SDL2_image, SDL2_ttf)
# from Debian's pinned source packages with emscripten, once, into a cache outside the source tree.
# Prints the install prefix on its last line. A finished cache is reused until the pins or this script change.
# Usage: scripts/web_deps.sh            (cache: ${XDG_CACHE_HOME:-$HOME/.cache}/vorlaine-web/<key>)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
pins="$here/web/pins.txt"
export NODE_PATH=/usr/share/nodejs   # emcc's JS optimiser finds acorn and terser there

# The key covers what decides the result: the pins, the recipe below (its flags) and the compiler.
# (sed, not head: head would leave emcc writing into a closed pipe, and under pipefail the script would end here
# without a word whenever emcc lost that race.)
key="$( { cat "$pins"; sed -n '/^# --- recipe/,$p' "$0"; emcc --version 2>/dev/null | sed -n 1p; } | sha256sum | cut -c1-16)"
root="${VORLAINE_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vorlaine-web}"
cache="$root/$key"
prefix="$cache/prefix"
mkdir -p "$root"

# One builder at a time per key; a second run waits and then finds the finished cache.
exec 9>"$root/$key.lock"
flock 9
if [ -f "$cache/complete" ]; then
    echo "web deps: cached in $cache" >&2
    echo "$prefix"
    exit 0
fi
echo "web deps: building into $cache (a few minutes, once)" >&2
# An interrupted build goes on from the last library it finished; the sources are fetched again.
rm -rf "$cache/src" "$cache/build" "$cache/apt"
mkdir -p "$cache/src" "$cache/build" "$cache/done" "$prefix" "$cache/apt/lists/partial" "$cache/apt/cache/archives/partial"
started=$(date +%s)

# A private apt configuration with deb-src lines for the same archive; the system's stays untouched.
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
cat > "$cache/apt/sources.list" <<SRC
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
SRC
apt_opts=(-o "Dir::Etc::SourceList=$cache/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
          -o "Dir::State::Lists=$cache/apt/lists" -o "Dir::Cache=$cache/apt/cache" -o APT::Sandbox::User=root)
apt-get "${apt_opts[@]}" update -qq

declare -A dir
while read -r name version; do
    case "$name" in ''|\#*) continue ;; esac
    (cd "$cache/src" && apt-get "${apt_opts[@]}" source -qq "$name=$version" >/dev/null)
    upstream="${version#*:}"; upstream="${upstream%-*}"; upstream="${upstream%+dfsg*}"; upstream="${upstream%.dfsg*}"
    found=$(find "$cache/src" -maxdepth 1 -mindepth 1 -type d -name "*$upstream*" -print -quit)
    [ -n "$found" ] || { echo "web deps: no source folder for $name $version" >&2; exit 1; }
    dir[$name]="$found"
done < "$pins"

# --- recipe: everything from here on decides what the cache holds; a change here rebuilds it.
flags="-O2"
cm=(emcmake cmake -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR="$prefix/lib"
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags")
build() {  # build NAME SOURCE [cmake options...]
    local name=$1 src=$2; shift 2
    [ -f "$cache/done/$name" ] && return
    echo "web deps: $name" >&2
    "${cm[@]}" -S "$src" -B "$cache/build/$name" "$@" > "$cache/build/$name.log" 2>&1
    if [ -n "${patch_after_configure:-}" ]; then eval "$patch_after_configure"; fi
    cmake --build "$cache/build/$name" -j "$(nproc)" >> "$cache/build/$name.log" 2>&1 &&
        cmake --install "$cache/build/$name" >> "$cache/build/$name.log" 2>&1 ||
        { tail -30 "$cache/build/$name.log" >&2; exit 1; }
    touch "$cache/done/$name"
}

# zlib: its configure script knows emcc; static only.
if [ ! -f "$cache/done/zlib" ]; then
    echo "web deps: zlib" >&2
    (cd "${dir[zlib]}" && CFLAGS="$flags" emconfigure ./configure --static --prefix="$prefix" &&
        emmake make -j "$(nproc)" install) > "$cache/build/zlib.log" 2>&1 || { tail -30 "$cache/build/zlib.log" >&2; exit 1; }
    touch "$cache/done/zlib"
fi

# minizip: the few sources the game reads archives with, compiled straight into one library.
if [ ! -f "$cache/done/minizip" ]; then
    echo "web deps: minizip" >&2
    mz="${dir[minizip]}"
    mkdir -p "$cache/build/minizip" "$prefix/include/minizip"
    for f in ioapi unzip zip; do
        emcc $flags -w -DIOAPI_NO_64 -I"$prefix/include" -c "$mz/$f.c" -o "$cache/build/minizip/$f.o"
        cp "$mz/$f.h" "$prefix/include/minizip/"
    done
    emar rcs "$prefix/lib/libminizip.a" "$cache/build/minizip/"*.o
    touch "$cache/done/minizip"
fi

build libpng "${dir[libpng1.6]}" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF \
    -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
# libjpeg-turbo's configure check sees the host's size_t under emcmake; wasm32's is 4 bytes.
patch_after_configure='sed -i "s/#define SIZEOF_SIZE_T .*/#define SIZEOF_SIZE_T 4/" "$cache/build/libjpeg/jconfigint.h"' \
build libjpeg "${dir[libjpeg-turbo]}" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
    -DWITH_JAVA=OFF
# FreeType reads gzip fonts through the zlib above (its own copy would clash with it at link time).
build freetype "${dir[freetype]}" -DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
build sdl2 "${dir[libsdl2]}" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF
build sdl2_image "${dir[libsdl2-image]}" -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
    -DSDL2IMAGE_BACKEND_STB=OFF -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_JPG=ON -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF \
    -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_SVG=OFF -DSDL2_DIR="$prefix/lib/cmake/SDL2"
build sdl2_ttf "${dir[libsdl2-ttf]}" -DSDL2TTF_SAMPLES=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF \
    -DSDL2_DIR="$prefix/lib/cmake/SDL2"

rm -rf "$cache/src" "$cache/build" "$cache/apt" "$cache/done"
echo "built $(date -u +%FT%TZ) in $(( $(date +%s) - started ))s" > "$cache/complete"
echo "web deps: done in $(( $(date +%s) - started ))s" >&2
echo "$prefix"
