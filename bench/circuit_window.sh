#!/usr/bin/env bash
# The "作成" timing of the circuit window for a 7-variable, 103-term canonical
# sum (offscreen), from the click to the painted window.
# Usage: bench/circuit_window.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
cmake --build "$build" --target circuit_window_tool >/dev/null
QT_QPA_PLATFORM=offscreen "$build/tests/circuit_window_tool" "$runs" 2>/dev/null
