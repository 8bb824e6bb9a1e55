#!/usr/bin/env bash
# Builds the engine and the demo game, then plays it. Extra arguments go to the engine, for
# example: ./run.sh --game-dir /path/to/another/game
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target orvane demo_game
if [ $# -eq 0 ]; then set -- --game-dir build/release/demo/game; fi
exec build/release/orvane "$@"
