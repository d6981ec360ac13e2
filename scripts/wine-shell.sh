#!/usr/bin/env bash
# Runs one command under a private Xvfb and Wine prefix (for developers):
#   scripts/wine-shell.sh wine build/win/e2e_tests.exe --gtest_filter=...
set -euo pipefail
. "$(dirname "$0")/lib.sh"
trap 'stop_wine; stop_xvfb' EXIT
start_xvfb "${ZORVIK_SCREEN:-1280x800x24}"
prepare_prefix "$BUILD/${ZORVIK_PREFIX_NAME:-wine-dev}"
"$@"
