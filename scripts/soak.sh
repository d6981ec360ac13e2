#!/usr/bin/env bash
# A longer soak of the real program under Wine on a private Xvfb: random
# commands, keys, wheel turns, gestures, pointer moves, tool windows, every
# customisation tab and API test entries, for N seconds (default 600):
#   bash scripts/soak.sh [SECONDS]
# ZORVIK_SOAK_SEED=N replays the run of a printed seed. Ends with the test's
# "soak:" line of figures; the exit code is the test's.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

SECONDS_TO_RUN=${1:-${ZORVIK_SOAK_SECONDS:-600}}
case "$SECONDS_TO_RUN" in '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;; esac
export ZORVIK_SOAK_SECONDS=$SECONDS_TO_RUN

install_deps || { echo "could not install the packages"; exit 1; }
build_windows zorvik e2e_tests || exit 1

trap 'stop_wine; stop_xvfb' EXIT
start_xvfb 1280x800x24 || exit 1
prepare_prefix "$BUILD/wine-soak-long"
cd "$BUILD/win" &&
  timeout $((SECONDS_TO_RUN + 180)) wine e2e_tests.exe --gtest_filter="SoakTest.*" \
    --gtest_output="xml:$(winepath -w "$BUILD/soak-long.xml")" </dev/null
