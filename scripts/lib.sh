# Shared by the scripts: machine set-up, builds and the wine session.
# Source it; it defines functions and sets variables, it runs nothing by itself.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# QV_BUILD moves every build, the wine prefix included, so that several people
# can build and test side by side without stopping each other's wine.
BUILD=${QV_BUILD:-$ROOT/build}
export WINEPREFIX=$BUILD/wineprefix
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

APT_PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
  g++-mingw-w64-i686 wine wine32:i386 wine64 xvfb xauth imagemagick fonts-liberation"

# Installs the packages this project needs when any is missing.
qv_setup_machine() {
  local missing=()
  for p in $APT_PACKAGES; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

qv_build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -G Ninja >/dev/null
  cmake --build "$BUILD/native" -j2
}

qv_build_win32() {
  cmake -S "$ROOT" -B "$BUILD/win32" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$BUILD/win32" -j2
}

# Creates the 32-bit wine prefix inside the build folder once.
qv_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating wine prefix in $WINEPREFIX"
    mkdir -p "$BUILD"
    wineboot -i >/dev/null 2>&1 </dev/null || true
    wineserver -w
    # A metric-compatible serif for the books' "Times New Roman".
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "Times New Roman" /d "Liberation Serif" /f \
      >/dev/null 2>&1 </dev/null || true
    wineserver -w
  fi
  # Windows stay unmanaged: with no window manager on the virtual display, wine
  # otherwise waits two seconds for every full-screen window it hides.
  if [ ! -f "$WINEPREFIX/.qv-settings-1" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.qv-settings-1"
  fi
}

# For a benchmark: builds the given targets optimised in $BUILD/win32-release
# (its folder is OUT), then starts a wine session that ends with the script.
qv_bench_start() {
  qv_setup_machine
  OUT=$BUILD/win32-release
  cmake -S "$ROOT" -B "$OUT" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$OUT" --target "$@" -j2 >/dev/null
  qv_wine_prefix
  qv_wine_session_start
  trap qv_wine_session_stop EXIT
}

QV_XVFB_PID=""
# Starts a private X display (unless keep_display is asked and one exists),
# one wineserver and wine's system processes, detached from our output.
qv_wine_session_start() {
  local keep_display=${1:-no}
  if [ "$keep_display" != yes ] || [ -z "${DISPLAY:-}" ]; then
    local n=$((90 + RANDOM % 400))
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    QV_XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  fi
  wineserver -p 2>/dev/null || true  # already running for this prefix is fine
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

qv_wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$QV_XVFB_PID" ]; then
    kill "$QV_XVFB_PID" 2>/dev/null || true
    wait "$QV_XVFB_PID" 2>/dev/null || true
    QV_XVFB_PID=""
  fi
}
