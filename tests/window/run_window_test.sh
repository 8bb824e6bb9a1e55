#!/usr/bin/env bash
# Starts a program that opens the game window under a virtual X server, waits for the probe to
# see the expected picture, then asks the program to end with SIGTERM. Passes only when the
# picture appeared and the program then exited with status 0.
#
#   run_window_test.sh X_PROBE SCREENSHOT.png [PROBE_OPTION...] -- PROGRAM [ARGUMENT...]
#
# The probe options are those of x_probe (--color, --region, --tolerance, --timeout); the
# screen as the probe last saw it is saved to SCREENSHOT.png. Exits 77 (skipped) when no
# virtual X server is available.
set -u

if [[ -z "${ORVANE_UNDER_XVFB:-}" ]]; then
    for tool in xvfb-run Xvfb xauth; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "run_window_test: $tool is not installed; skipping"
            exit 77
        fi
    done
    export ORVANE_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

usage() {
    echo "usage: run_window_test.sh X_PROBE SCREENSHOT.png [PROBE_OPTION...] -- PROGRAM [ARGUMENT...]" >&2
    exit 2
}

[[ $# -ge 4 ]] || usage
probe=$1
screenshot=$2
shift 2
probe_options=()
while [[ $# -gt 0 && $1 != "--" ]]; do
    probe_options+=("$1")
    shift
done
[[ $# -ge 2 ]] || usage
shift

export SDL_VIDEODRIVER=x11
export SDL_AUDIODRIVER=dummy
# X11 and SDL keep allocations until exit that LeakSanitizer would report as ours.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

"$@" &
program=$!

"$probe" "${probe_options[@]}" --png="$screenshot"
probe_status=$?

kill -TERM "$program" 2>/dev/null
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    echo "run_window_test: $1 did not end within 10 s of SIGTERM" >&2
    kill -KILL "$program" 2>/dev/null
fi
wait "$program"
program_status=$?

echo "run_window_test: probe status $probe_status, program status $program_status;" \
    "screenshot in $screenshot"
[[ $probe_status -eq 0 && $program_status -eq 0 ]]
