#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (with sanitizers),
# Win32 unit tests and end-to-end tests under Wine on a private Xvfb, and the
# two-monitor tests on Xorg's dummy driver. Ends with "N passed, N failed".
set -uo pipefail
. "$(dirname "$0")/lib.sh"

RESULTS="$BUILD/results"
rm -rf "$RESULTS"; mkdir -p "$RESULTS"
FAILED_STEPS=()
NO_REPORT=()  # test runs that failed without writing their report (a crash, a time-out)

reports() { find "$RESULTS" -name '*.xml' 2>/dev/null | wc -l; }

step() {  # name, command...
  local name=$1; shift
  log "$name"
  local before missing=${#NO_REPORT[@]} fuzzFailed=${FUZZ_FAILED:-0}
  before=$(reports)
  local started=$SECONDS rc=0
  "$@" || rc=$?
  echo "($name: $((SECONDS - started)) s)"
  if [ $rc -ne 0 ]; then
    FAILED_STEPS+=("$name")
    # A step that failed before any of its tests could report counts as a failure itself.
    if [ "$(reports)" -eq "$before" ] && [ ${#NO_REPORT[@]} -eq "$missing" ] &&
       [ "${FUZZ_FAILED:-0}" -eq "$fuzzFailed" ]; then NO_REPORT+=("$name"); fi
  fi
}

# Runs one test binary that writes a GoogleTest report to $1; a failed run
# that left no report is remembered, so that it counts as failed.
gtest_run() {  # report file, command...
  local xml=$1; shift
  rm -f "$xml"
  "$@"
  local rc=$?
  if [ $rc -ne 0 ] && [ ! -s "$xml" ]; then
    echo "no report from: $* (exit code $rc)"
    NO_REPORT+=("$(basename "$xml" .xml) (exit code $rc)")
  fi
  return $rc
}

install_deps || { echo "could not install the packages"; exit 1; }

native() {
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DZORVIK_SANITIZE=ON >/dev/null &&
  cmake --build "$BUILD/native" -j "$JOBS" &&
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1 \
    gtest_run "$RESULTS/native.xml" "$BUILD/native/native_tests" --gtest_brief=1 --gtest_output="xml:$RESULTS/native.xml"
}
step "native unit tests (AddressSanitizer, UBSan)" native

# Fuzzing: each target for a bounded time; no input may crash, hang or read
# out of bounds. A finding is kept under build/fuzz/ and fails the run.
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
FUZZ_PASSED=0; FUZZ_FAILED=0
fuzz() {
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVIK_FUZZ=ON \
    -DZORVIK_TESTS=OFF >/dev/null &&
  cmake --build "$BUILD/fuzz" -j "$JOBS" --target format_fuzz settings_fuzz || return 1
  local t rc=0
  declare -A pids
  # One target per core, side by side.
  for t in format_fuzz settings_fuzz; do
    mkdir -p "$BUILD/fuzz/$t-findings"
    "$BUILD/fuzz/$t" -max_total_time="$FUZZ_SECONDS" -rss_limit_mb=1024 -timeout=10 \
      -artifact_prefix="$BUILD/fuzz/$t-findings/" -print_final_stats=1 2>"$BUILD/fuzz/$t.log" </dev/null &
    pids[$t]=$!
  done
  for t in format_fuzz settings_fuzz; do
    if wait "${pids[$t]}"; then
      FUZZ_PASSED=$((FUZZ_PASSED + 1)); grep -E '^stat::number_of_executed_units' "$BUILD/fuzz/$t.log" | sed "s/^/$t: /"
    else
      FUZZ_FAILED=$((FUZZ_FAILED + 1)); rc=1; tail -40 "$BUILD/fuzz/$t.log"
    fi
  done
  return $rc
}
step "fuzzing (libFuzzer, ${FUZZ_SECONDS} s per target)" fuzz

step "cross build (MinGW-w64)" build_windows zorvik win_tests e2e_tests zorvik_bench

# The program's sources once more with clang for the same target, warnings
# as errors, so that code only GCC accepts is caught early.
step "clang check of the program's sources (MinGW target)" python3 "$ROOT/scripts/clang_check.py" "$BUILD/win" "$JOBS"

# The release package: what it holds, and a program without debug sections.
package() {
  local version
  version=$(sed -nE 's/^project\(Zorvik VERSION ([0-9.]+).*/\1/p' "$ROOT/CMakeLists.txt")
  rm -f "$BUILD/win"/zorvik-*-win64.zip
  cmake --build "$BUILD/win" --target package >/dev/null &&
  python3 "$ROOT/scripts/check_package.py" "$BUILD/win/zorvik-$version-win64.zip" "$version"
}
step "release package (CPack)" package

run_wine_tests() {
  trap 'stop_wine; stop_xvfb' RETURN
  start_xvfb 1280x800x24 || return 1
  prepare_prefix "$BUILD/wine-test"
  local rc=0
  gtest_run "$RESULTS/win.xml" bash -c 'cd "$1" && exec timeout 300 wine win_tests.exe --gtest_brief=1 \
      --gtest_filter="-TwoMonitors*" --gtest_output="xml:$(winepath -w "$2")"' _ "$BUILD/win" "$RESULTS/win.xml" \
      </dev/null || rc=1
  gtest_run "$RESULTS/e2e.xml" bash -c 'cd "$1" && exec timeout 480 wine e2e_tests.exe --gtest_brief=1 \
      --gtest_filter="-SoakTest.*" --gtest_output="xml:$(winepath -w "$2")"' _ "$BUILD/win" "$RESULTS/e2e.xml" \
      </dev/null || rc=1
  return $rc
}
step "Win32 and end-to-end tests under Wine" run_wine_tests

# The soak: the real program under random use for ZORVIK_SOAK_SECONDS (60 s
# here; scripts/soak.sh runs it longer), in a prefix of its own.
export ZORVIK_SOAK_SECONDS=${ZORVIK_SOAK_SECONDS:-60}
run_soak() {
  trap 'stop_wine; stop_xvfb' RETURN
  start_xvfb 1280x800x24 || return 1
  prepare_prefix "$BUILD/wine-soak"
  gtest_run "$RESULTS/soak.xml" bash -c 'cd "$1" && exec timeout "$3" wine e2e_tests.exe --gtest_brief=1 \
      --gtest_filter="SoakTest.*" --gtest_output="xml:$(winepath -w "$2")"' _ "$BUILD/win" "$RESULTS/soak.xml" \
      $((ZORVIK_SOAK_SECONDS + 120)) </dev/null
}
step "soak of the program under Wine (${ZORVIK_SOAK_SECONDS} s)" run_soak

# The main window at 144 dpi: the same program in a prefix whose screen
# reports 144 dots per inch.
run_dpi_tests() {
  trap 'stop_wine; stop_xvfb' RETURN
  start_xvfb 1280x800x24 || return 1
  prepare_prefix "$BUILD/wine-dpi144"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f </dev/null >/dev/null 2>&1
  wineserver -k; timeout 30 wineserver -w
  wineserver -p 600 </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  gtest_run "$RESULTS/dpi144.xml" bash -c 'cd "$1" && exec timeout 120 wine e2e_tests.exe --gtest_brief=1 \
      --gtest_filter="DpiTest.*" --gtest_output="xml:$(winepath -w "$2")"' _ "$BUILD/win" "$RESULTS/dpi144.xml" \
      </dev/null
}
step "main window at 144 dpi under Wine" run_dpi_tests

run_two_monitor_tests() {
  trap 'stop_wine; [ -n "${XORG_PID:-}" ] && kill "$XORG_PID" 2>/dev/null; wait "${XORG_PID:-}" 2>/dev/null' RETURN
  local n; n=$(free_display)
  local conf="$ROOT/scripts/xorg-dummy-two-monitors.conf"
  Xorg ":$n" -config "$conf" -logfile "$BUILD/Xorg.$n.log" -nolisten tcp -noreset -novtswitch -sharevts \
    >/dev/null 2>&1 &
  XORG_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 || { echo "Xorg dummy did not start"; return 1; }
  # A second monitor left of the primary: negative coordinates.
  # (Wine sees the left monitor only when it is first placed right and then moved.)
  xrandr --output DUMMY0 --mode 800x600 --pos 0x0 --primary &&
  xrandr --addmode DUMMY1 640x480 && xrandr --output DUMMY1 --mode 640x480 --pos 800x0 &&
  xrandr --output DUMMY1 --pos 0x0 --output DUMMY0 --pos 640x0 --primary || return 1
  xrandr | grep ' connected' 
  prepare_prefix "$BUILD/wine-test2"
  # Wine sometimes reads the monitor layout before it settles; the tests
  # skip when they see one monitor, so try again a couple of times.
  local try rc
  for try in 1 2 3; do
    gtest_run "$RESULTS/two-monitors.xml" bash -c 'cd "$1" && exec timeout 300 wine win_tests.exe --gtest_brief=1 \
        --gtest_filter="TwoMonitors*" --gtest_output="xml:$(winepath -w "$2")"' _ "$BUILD/win" \
        "$RESULTS/two-monitors.xml" </dev/null
    rc=$?
    grep -q '<skipped' "$RESULTS/two-monitors.xml" 2>/dev/null || return $rc
    echo "(Wine saw one monitor; trying again)"; sleep 1
  done
  echo "Wine never saw two monitors"; return 1
}
if command -v Xorg >/dev/null && [ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ]; then
  step "two-monitor tests (Xorg dummy driver)" run_two_monitor_tests
fi

# Totals from the GoogleTest reports.
passed=0; failed=0; skipped=0
for x in "$RESULTS"/*.xml; do
  [ -f "$x" ] || continue
  t=$(grep -o '<testsuites tests="[0-9]*" failures="[0-9]*" disabled="[0-9]*" errors="[0-9]*"' "$x" | head -1)
  n=$(sed -E 's/.*tests="([0-9]+)".*/\1/' <<<"$t"); f=$(sed -E 's/.*failures="([0-9]+)".*/\1/' <<<"$t")
  e=$(sed -E 's/.*errors="([0-9]+)".*/\1/' <<<"$t"); d=$(sed -E 's/.*disabled="([0-9]+)".*/\1/' <<<"$t")
  k=$(grep -c '<skipped' "$x")
  passed=$((passed + n - f - e - d - k)); failed=$((failed + f + e)); skipped=$((skipped + k))
done
passed=$((passed + FUZZ_PASSED)); failed=$((failed + FUZZ_FAILED + ${#NO_REPORT[@]}))
[ "$passed" -eq 0 ] && FAILED_STEPS+=("no tests ran")
[ ${#FAILED_STEPS[@]} -gt 0 ] && printf '\nfailed steps: %s\n' "$(IFS=';'; echo "${FAILED_STEPS[*]}")"
[ ${#NO_REPORT[@]} -gt 0 ] && printf 'failed without a report (each counted as one failure): %s\n' \
  "$(IFS=';'; echo "${NO_REPORT[*]}")"
echo
echo "${passed} passed, ${failed} failed, ${skipped} skipped"
[ "$failed" -eq 0 ] && [ ${#FAILED_STEPS[@]} -eq 0 ]
