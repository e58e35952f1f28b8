#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs every kept corpus file through its target once: a
# regression run, not a fuzzing run. Fails on any crash, sanitizer report, leak or missing corpus.
# Usage: scripts/fuzz_replay.sh [BUILD_DIR]   (default: build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
start=$(date +%s)

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DVORLAINE_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build"
built=$(date +%s)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
logs="$build/fuzz/replay"
mkdir -p "$logs"
failed=0
summary=()
for src in fuzz/*_fuzz.cpp; do
    name=$(basename "$src" _fuzz.cpp)
    files=()
    if [ -d "fuzz/corpus/$name" ]; then
        while IFS= read -r -d '' f; do files+=("$f"); done < <(find "fuzz/corpus/$name" -type f -print0 | sort -z)
    fi
    if [ ${#files[@]} -eq 0 ]; then
        summary+=("$(printf '%-18s %5s  FAILED: no corpus in fuzz/corpus/%s' "$name" 0 "$name")")
        failed=1
        continue
    fi
    t0=$(date +%s)
    # Files as arguments: libFuzzer runs each once and writes nothing.
    if "$build/fuzz/${name}_fuzz" -timeout=60 "${files[@]}" >"$logs/$name.log" 2>&1; then
        result="ok"
    else
        result="FAILED: see $logs/$name.log"
        failed=1
        grep -E "^Running: |ERROR|runtime error|SUMMARY" "$logs/$name.log" | grep -B1 -E "ERROR|runtime error|SUMMARY" | head -6 >&2 || true
    fi
    summary+=("$(printf '%-18s %5d  %3ds  %s' "$name" ${#files[@]} $(($(date +%s) - t0)) "$result")")
done

echo
echo "Fuzz corpus replay (build $((built - start))s, replay $(($(date +%s) - built))s):"
printf '%-18s %5s  %4s  %s\n' target files time result
printf '%s\n' "${summary[@]}"
exit $failed
