#!/usr/bin/env bash
# Builds and runs the tick benchmark under Wine on a private 1920x1200 Xvfb.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
install_deps
build_windows zorvik_bench >/dev/null
trap 'stop_wine; stop_xvfb' EXIT
start_xvfb 1920x1200x24
prepare_prefix "$BUILD/wine-bench"
xsetroot -solid '#3a6ea5' 2>/dev/null || true
wine "$BUILD/win/zorvik_bench.exe" "$@" </dev/null
