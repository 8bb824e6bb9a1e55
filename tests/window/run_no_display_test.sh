#!/usr/bin/env bash
# Started with no display to open a window on, the game must not run invisibly: it exits with
# status 1 and says why and what to do instead.
# Usage: run_no_display_test.sh ORVANE ARGS...
set -uo pipefail
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 "$@" 2>&1 >/dev/null)
status=$?
echo "$err"
if [ "$status" -ne 1 ]; then
    echo "expected exit status 1, got $status" >&2
    exit 1
fi
if ! grep -q -- "no display" <<<"$err" || ! grep -q -- "--headless" <<<"$err"; then
    echo "the message does not name the cause and the way out" >&2
    exit 1
fi
