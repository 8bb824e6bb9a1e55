#!/usr/bin/env bash
# Measures the window backend under a virtual X server, one line per measurement:
#   display/renderer=NAME/first_scene_ms    launch to the start screen on the X display
#   display/renderer=NAME/first_scene_cpu_ms  CPU time the process took by then (steadier than
#                                           the wall-clock figure on a busy machine)
#   display/renderer=NAME/resident_mb       resident memory then (and its peak)
#   display/idle_cpu_ms_per_10s             CPU time the process takes while the screen stays
#
#   bench/display_under_xvfb.sh BUILD_DIR [RENDERER...]     (default renderers: auto gpu software)
#
# The start screen is found by tests/window/x_probe polling the middle of the screen every few
# milliseconds, so a first-scene time includes up to one small screen grab.
set -u

if [[ -z "${ORVANE_UNDER_XVFB:-}" ]]; then
    export ORVANE_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

[[ $# -ge 1 ]] || { echo "usage: display_under_xvfb.sh BUILD_DIR [RENDERER...]" >&2; exit 2; }
build=$(cd "$1" && pwd)
shift
renderers=("$@")
[[ ${#renderers[@]} -gt 0 ]] || renderers=(auto gpu software)

orvane=$build/orvane
probe=$build/tests/window/x_probe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tests/window/make_window_game" "$work/game" start >/dev/null || exit 1

export SDL_VIDEODRIVER=x11
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }
# utime + stime in clock ticks
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

for renderer in "${renderers[@]}"; do
    start=$(now_ms)
    "$orvane" --game-dir "$work/game" --config /dev/null --renderer "$renderer" 2>"$work/err" &
    program=$!
    if ! "$probe" --color=40,200,160 --region=512x384 --tolerance=6 --timeout=20 \
        --interval=2 --centre-only >/dev/null; then
        echo "display/renderer=$renderer: the start screen did not appear" >&2
        cat "$work/err" >&2
        kill -TERM "$program" 2>/dev/null
        wait "$program"
        continue
    fi
    shown=$(now_ms)
    ticks=$(cpu_ticks "$program")
    rss=$(status_kb "$program" VmRSS)
    peak=$(status_kb "$program" VmHWM)
    printf 'display/renderer=%s/first_scene_ms %d\n' "$renderer" $((shown - start))
    printf 'display/renderer=%s/first_scene_cpu_ms %d\n' "$renderer" \
        $((ticks * 1000 / $(getconf CLK_TCK)))
    awk -v r="$renderer" -v rss="$rss" -v peak="$peak" \
        'BEGIN { printf "display/renderer=%s/resident_mb %.1f (peak %.1f)\n", r, rss / 1024, peak / 1024 }'
    if [[ $renderer == "${renderers[0]}" ]]; then
        sleep 1
        before=$(cpu_ticks "$program")
        sleep 10
        after=$(cpu_ticks "$program")
        printf 'display/renderer=%s/idle_cpu_ms_per_10s %d\n' "$renderer" \
            $(((after - before) * 1000 / $(getconf CLK_TCK)))
    fi
    kill -TERM "$program" 2>/dev/null
    wait "$program"
done
