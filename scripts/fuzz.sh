#!/usr/bin/env bash
# Builds the fuzz preset and runs each libFuzzer target for SECONDS, one after the other:
#   scripts/fuzz.sh SECONDS [TARGET...]     (all targets when none is named)
# Each target starts from its corpus in build/fuzz/corpus/TARGET (seeded by fuzz_seeds, grown by
# earlier runs); an input that crashes is kept in build/fuzz/crashes/TARGET/, the fuzzer's output
# in build/fuzz/logs/TARGET.log. Prints the executions per second of each target; exits 1 when
# any target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: scripts/fuzz.sh SECONDS [TARGET...]" >&2
    exit 2
fi
shift
scripts/install-deps.sh

build=build/fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
"$build/fuzz/fuzz_seeds" "$build/corpus"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for program in "$build"/fuzz/*_fuzzer; do targets+=("$(basename "$program")"); done
fi

mkdir -p "$build/logs"
summary=()
failed=0
for target in "${targets[@]}"; do
    program="$build/fuzz/$target"
    if [ ! -x "$program" ]; then
        echo "fuzz.sh: no target $target" >&2
        exit 2
    fi
    mkdir -p "$build/corpus/$target" "$build/crashes/$target"
    log="$build/logs/$target.log"
    echo "== $target: $seconds s"
    # The engine's own messages about the broken files it is fed are expected; they are dropped
    # from the log so that the fuzzer's findings stand out.
    started=$(date +%s)
    set +e
    "$program" "$build/corpus/$target" -max_total_time="$seconds" -timeout=60 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$target/" 2>&1 |
        grep -v '^orvane: ' >"$log"
    status=${PIPESTATUS[0]}
    set -e
    elapsed=$(($(date +%s) - started))
    runs=$(awk '/^stat::number_of_executed_units:/ {print $2}' "$log")
    # libFuzzer rounds its own rate down to whole runs, which says 0 for the slow targets.
    rate=$(awk -v runs="${runs:-0}" -v s="$elapsed" 'BEGIN {printf "%.1f", (s > 0 ? runs / s : 0)}')
    verdict=ok
    if [ "$status" -ne 0 ]; then
        verdict="FAULT (see $log and $build/crashes/$target/)"
        failed=1
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -5 || true
    fi
    summary+=("$(printf '%-20s %10s exec/s %10s runs %6s s  %s' "$target" "$rate" "${runs:-?}" \
        "$elapsed" "$verdict")")
done

echo
echo "Fuzzing, $seconds s per target:"
printf '%s\n' "${summary[@]}"
exit "$failed"
