# Shared helpers of run.sh, test.sh and bench.sh: packages, cross build,
# a private Xvfb display and a private Wine prefix.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${ZORVIK_BUILD:-$ROOT/build}
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}

PACKAGES=(cmake make g++ googletest g++-mingw-w64-x86-64-posix mingw-w64-tools
          wine wine64 xvfb x11-utils x11-xserver-utils imagemagick xdotool python3
          xserver-xorg-core xserver-xorg-video-dummy
          clang libclang-rt-14-dev fonts-wine fonts-vlgothic)

log() { printf '\n== %s\n' "$*"; }

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

install_deps() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    log "installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

build_windows() {  # targets...
  cmake -S "$ROOT" -B "$BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
  cmake --build "$BUILD/win" -j "$JOBS" --target "$@"
}

free_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
  done
  echo 199
}

XVFB_PID=""
start_xvfb() {  # geometry, e.g. 1280x800x24
  local n; n=$(free_display)
  Xvfb ":$n" -screen 0 "${1:-1280x800x24}" -nolisten tcp >"$BUILD/xvfb-$n.log" 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2; return 1
}

wine_env() {  # prefix directory
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
}

# A pristine prefix with Japanese fonts mapped and crash dialogs off is made
# once and copied for each run.
prepare_prefix() {  # target prefix directory
  local template="$BUILD/wine-template" target="$1" stamp
  # The template is made again when the settings it was made with change.
  stamp=$(cat "$ROOT/scripts/wine-settings.reg.txt" /usr/share/wine/fonts/marlett.ttf 2>/dev/null | md5sum | cut -d' ' -f1)
  if [ "$(cat "$template/.zorvik-ready" 2>/dev/null)" != "$stamp" ]; then
    log "creating the Wine prefix template (once)"
    rm -rf "$template"
    wine_env "$template"
    wineboot -i </dev/null >/dev/null 2>&1 || true
    wineserver -w
    local reg="$BUILD/zorvik-wine.reg"
    iconv -f UTF-8 -t UTF-16LE "$ROOT/scripts/wine-settings.reg.txt" | { printf '\xff\xfe'; cat; } > "$reg"
    wine regedit /S "$reg" </dev/null >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/marlett.ttf "$template/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -k 2>/dev/null || true; timeout 30 wineserver -w || true
    echo "$stamp" > "$template/.zorvik-ready"
  fi
  rm -rf "$target"
  cp -a "$template" "$target"
  wine_env "$target"
  # Start the server and services with null stdio so that pipes close at once.
  wineserver -p 600 </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && { wineserver -k 2>/dev/null; timeout 30 wineserver -w 2>/dev/null; } || true
}

stop_xvfb() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
}
