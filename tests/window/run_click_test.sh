#!/usr/bin/env bash
# The game in a real window under a virtual X server: waits for the first scene, clicks into
# the window with xdotool, and passes when the next scene appears and the game then ends
# cleanly on SIGTERM.
#
#   run_click_test.sh X_PROBE SHOT_PREFIX FIRST_RGB SECOND_RGB -- PROGRAM [ARGUMENT...]
set -u

if [[ -z "${ORVANE_UNDER_XVFB:-}" ]]; then
    for tool in xvfb-run Xvfb xauth xdotool; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "run_click_test: $tool is not installed; skipping"
            exit 77
        fi
    done
    export ORVANE_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

[[ $# -ge 6 && $5 == "--" ]] || { echo "usage: see the top of $0" >&2; exit 2; }
probe=$1
shots=$2
first=$3
second=$4
shift 5

export SDL_VIDEODRIVER=x11
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

"$@" &
program=$!
status=1
if "$probe" --color="$first" --region=900x600 --tolerance=6 --timeout=30 --png="${shots}_first.png"; then
    window=$(xdotool search --sync --name Orvane | head -n 1)
    # The text types in well under a second; the click then goes on to the next scene.
    sleep 1
    xdotool mousemove --window "$window" 512 384 click 1
    if "$probe" --color="$second" --region=900x600 --tolerance=6 --timeout=15 \
        --png="${shots}_second.png"; then
        status=0
    fi
fi
kill -TERM "$program" 2>/dev/null
wait "$program"
program_status=$?
echo "run_click_test: click status $status, program status $program_status"
[[ $status -eq 0 && $program_status -eq 0 ]]
