#!/usr/bin/env bash
# Long fuzzing: each target in turn, one process at a time (one core), for 10 million runs or an hour,
# whichever comes first. A target starts from its kept corpus plus what earlier long runs found, and keeps
# new inputs in a working corpus outside the repository. Each target's final stats go to a summary file.
# Usage: scripts/fuzz_long.sh [TARGET...]      (default: every target)
# Environment: FUZZ_WORK  working folder (default: the folder beside the repository, ../fuzz-work)
#              FUZZ_RUNS  executions per target (default 10000000)
#              FUZZ_SECONDS  seconds per target (default 3600)
#              FUZZ_BUILD  build folder of the targets (default build-fuzz; built here when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
work=$(realpath -m "${FUZZ_WORK:-$repo/../fuzz-work}")
runs=${FUZZ_RUNS:-10000000}
seconds=${FUZZ_SECONDS:-3600}
build=${FUZZ_BUILD:-build-fuzz}
case "$work/" in "$repo"/*) echo "FUZZ_WORK must lie outside the repository: $work" >&2; exit 2 ;; esac

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DVORLAINE_FUZZ=ON >/dev/null
cmake --build "$build" >/dev/null

# Targets that read the same format share a dictionary.
dictionary_of() {
    case "$1" in
        level_*) echo fuzz/level_script.dict ;;
        zip_*) echo fuzz/zip.dict ;;
        *) echo "fuzz/$1.dict" ;;
    esac
}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" _fuzz.cpp)"); done
fi

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
mkdir -p "$work"
summary="$work/summary.txt"
echo "# $(date -u +%Y-%m-%dT%H:%M:%SZ) $(git rev-parse --short HEAD): up to $runs runs or ${seconds}s per target" >>"$summary"
status=0
for name in "${targets[@]}"; do
    bin="$build/fuzz/${name}_fuzz"
    [ -x "$bin" ] || { echo "no target $name" >&2; exit 2; }
    dir="$work/$name"
    mkdir -p "$dir/corpus" "$dir/findings"
    dict=$(dictionary_of "$name")
    dict_arg=()
    [ -f "$dict" ] && dict_arg=("-dict=$dict")
    echo "== $name: up to $runs runs or ${seconds}s (log: $dir/fuzz.log)"
    t0=$(date +%s)
    touch "$dir/started"
    # New inputs go to the first folder (the working corpus); the kept corpus is only read.
    set +e
    # The decoders' own warnings (libpng's for every odd chunk) would fill the log by the gigabyte: the
    # targets' stderr is closed; libFuzzer and the sanitizers report on a copy of it.
    "$bin" -close_fd_mask=2 -runs="$runs" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        "${dict_arg[@]}" -artifact_prefix="$dir/findings/" "$dir/corpus" "fuzz/corpus/$name" >"$dir/fuzz.log" 2>&1
    rc=$?
    set -e
    execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$dir/fuzz.log" | tail -1 | grep -o '[0-9]*$' || true)
    last=$(grep -E '^#[0-9]+' "$dir/fuzz.log" | tail -1 || true)
    [ -n "$execs" ] || execs=$(echo "$last" | sed -n 's/^#\([0-9]*\).*/\1/p')
    cov=$(echo "$last" | sed -n 's/.* cov: \([0-9]*\).*/\1/p')
    ft=$(echo "$last" | sed -n 's/.* ft: \([0-9]*\).*/\1/p')
    files=$(find "$dir/corpus" -type f | wc -l)
    # Only this run's: findings of earlier runs stay in the folder for reference.
    findings=$(find "$dir/findings" -type f -newer "$dir/started" \( -name 'crash-*' -o -name 'leak-*' -o -name 'oom-*' -o -name 'timeout-*' \) | sort | tr '\n' ' ')
    [ $rc -eq 0 ] && [ -z "$findings" ] || status=1
    line=$(printf '%-18s execs %-10s cov %-6s ft %-7s corpus %-6s %5ss  exit %-3s findings: %s' \
        "$name" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$files" $(($(date +%s) - t0)) "$rc" "${findings:-none}")
    echo "$line" | tee -a "$summary"
done
echo "Summary: $summary"
exit $status
