#!/usr/bin/env bash
# The "作成" timing for a ten-variable expression (offscreen), then screenshots
# of the main and truth-table windows for a*b+~c under Xvfb into docs/.
# Usage: bench/table_window.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-31}
cmake --build "$build" --target table_window_tool >/dev/null
tool="$build/tests/table_window_tool"

QT_QPA_PLATFORM=offscreen "$tool" time "$runs" 2>/dev/null

display=":${XVFB_DISPLAY:-91}"
Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$tool" shoot docs 2>/dev/null
echo "docs/form1.png docs/form2.png written"
