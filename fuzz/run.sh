#!/bin/sh
# Builds the fuzz targets with clang and runs them, niced, for a given time
# or number of runs each.
#
#   fuzz/run.sh [-t seconds] [-r runs] [-j parallel] [target...] [-- libFuzzer flags]
#
# Without targets all four run. New inputs, crash inputs and logs go to
# $KESTOVA_FUZZ_BUILD/runs/<target>/ (default build folder: build-fuzz); the
# seed folders are only read.
set -e
cd "$(dirname "$0")/.."
root="$(pwd)"
build="${KESTOVA_FUZZ_BUILD:-$root/build-fuzz}"
corpus="$root/../shared/corpus"
seconds=600
runs=-1
parallel=4

usage() {
    echo "usage: $0 [-t seconds] [-r runs] [-j parallel] [target...] [-- libFuzzer flags]" >&2
    exit 2
}

while getopts t:r:j:h option; do
    case "$option" in
        t) seconds="$OPTARG" ;;
        r) runs="$OPTARG"; seconds=0 ;;
        j) parallel="$OPTARG" ;;
        *) usage ;;
    esac
done
shift $((OPTIND - 1))

# getopts has already taken a "--" that came before any target.
targets=""
while [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; do
    targets="$targets $1"
    shift
done
if [ "$1" = "--" ]; then
    shift
fi
[ -n "$targets" ] || targets="fuzz_read_lrpreset fuzz_costyle_lrtemplate fuzz_read_xmp fuzz_costyle_xmp"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DKESTOVA_FUZZ=ON -DKESTOVA_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# shellcheck disable=SC2086
nice cmake --build "$build" -j"$parallel" --target $targets >/dev/null

# Every input goes through a file; a memory-backed one keeps the disk's
# write-back out of the time per input.
if [ -z "$TMPDIR" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

seeds_of() {
    case "$1" in
        *lrtemplate*|*lrpreset*) kind=lrtemplate ;;
        *) kind=xmp ;;
    esac
    for folder in "$corpus/$kind" "$root/tests/fixtures/$kind" "$root/tests/fixtures/fuzz/$kind"; do
        [ -d "$folder" ] && printf '%s ' "$folder"
    done
}

dictionary_of() {
    case "$1" in
        *lrtemplate*|*lrpreset*) echo "$root/fuzz/lrtemplate.dict" ;;
        *) echo "$root/fuzz/xmp.dict" ;;
    esac
}

run_target() {
    target="$1"
    shift
    work="$build/runs/$target"
    mkdir -p "$work/corpus"
    start=$(date +%s)
    # The first folder is the one libFuzzer writes to; the seeds come after it.
    # An input takes milliseconds; the generous timeout keeps a briefly
    # stalled machine from passing for a hang (a paused run still does).
    # shellcheck disable=SC2046
    UBSAN_OPTIONS=print_stacktrace=1 nice -n 10 "$build/fuzz/$target" \
        -runs="$runs" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 \
        -print_final_stats=1 -dict="$(dictionary_of "$target")" \
        -artifact_prefix="$work/" "$@" "$work/corpus" $(seeds_of "$target") >"$work/log" 2>&1 || true
    end=$(date +%s)
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log" | tail -n 1)
    faults=$(find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
        -o -name 'oom-*' -o -name 'slow-unit-*' \) | wc -l)
    echo "$target: ${executions:-?} executions in $((end - start)) s, ${coverage:-no coverage line}," \
        "$faults fault input(s); log $work/log"
}

count=0
for target in $targets; do
    run_target "$target" "$@" &
    count=$((count + 1))
    if [ "$count" -ge "$parallel" ]; then
        wait
        count=0
    fi
done
wait
