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
  g++-mingw-w64-i686 wine wine32:i386 wine64 xvfb xauth imagemagick fonts-liberation dpkg-dev"

# Libraries built with the project for both trees from their Debian source
# packages, fetched into $QV_DEPS/<package> (cmake/Dependencies.cmake builds them).
QV_SOURCE_PACKAGES="uchardet utf8proc"
QV_DEPS=$BUILD/deps

# Installs the packages this project needs when any is missing.
qv_setup_machine() {
  local started=$SECONDS
  local missing=()
  for p in $APT_PACKAGES; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || qv_sudo dpkg --add-architecture i386
    qv_apt_update
    qv_apt_install "${missing[@]}"
  fi
  QV_SETUP_SECONDS=$((QV_SETUP_SECONDS + SECONDS - started))
  qv_fetch_sources
}

# Builds fuzz targets with clang and the sanitizers in OUT (first argument); a
# build that fails says so with the end of its log instead of ending silently.
qv_build_fuzz_targets() {
  local out=$1
  shift
  local log=$out/build.log
  mkdir -p "$out"
  if ! { cmake -S "$ROOT" -B "$out" -G Ninja -DQV_DEPS_DIR="$QV_DEPS" -DCMAKE_CXX_COMPILER=clang++ \
           -DCMAKE_C_COMPILER=clang -DQV_FUZZ=ON && cmake --build "$out" --target "$@" -j2; } >"$log" 2>&1; then
    tail -30 "$log"
    echo "The fuzz targets did not build (log: $log)." >&2
    return 1
  fi
}

# Fetches and unpacks the source packages that are not yet in $QV_DEPS. The
# package sources get a deb-src entry for the system's own release first when
# they have none (as the set-up adds the i386 architecture).
qv_fetch_sources() {
  local started=$SECONDS missing=() p
  for p in $QV_SOURCE_PACKAGES; do
    [ -f "$QV_DEPS/$p/.fetched" ] || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    if ! grep -Eqs '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/*; then
      qv_add_deb_src
      qv_apt_update
    fi
    mkdir -p "$QV_DEPS"
    for p in "${missing[@]}"; do
      local work
      work=$(mktemp -d "$QV_DEPS/.fetch-$p.XXXXXX")
      if ! (cd "$work" && apt-get source -qq "$p" >"$work.log" 2>&1); then
        cat "$work.log" >&2
        rm -rf "$work" "$work.log"
        echo "The set-up could not fetch the source package $p (apt-get's messages are above)." >&2
        exit 1
      fi
      rm -rf "$QV_DEPS/$p" "$work.log"
      mv "$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -1)" "$QV_DEPS/$p"
      rm -rf "$work"
      touch "$QV_DEPS/$p/.fetched"
    done
  fi
  QV_SETUP_SECONDS=$((QV_SETUP_SECONDS + SECONDS - started))
}

# A deb-src entry beside the first deb one: the same mirror, the system's release.
qv_add_deb_src() {
  local uri codename
  uri=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p; s/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\).*/\2/p' \
    /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null | grep -v security | head -1 || true)
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "${uri:-http://deb.debian.org/debian}" "$codename" | qv_sudo tee /etc/apt/sources.list.d/quenvalis-src.sources >/dev/null
}

qv_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The package indexes that the last qv_apt_update could not fetch, one address a line.
QV_APT_FAILED_INDEXES=""
# apt-get update, tried three times with a growing pause: a mirror in the middle
# of a sync serves an index that does not match its release file for a few
# minutes. An index that still fails is reported, and the set-up goes on with
# the indexes it has.
qv_apt_update() {
  local pause=${QV_APT_RETRY_PAUSE:-10} log try
  log=$(mktemp)
  for try in 1 2 3; do
    QV_APT_FAILED_INDEXES=""
    qv_sudo apt-get update -qq >"$log" 2>&1 || true
    QV_APT_FAILED_INDEXES=$(sed -n 's/^[EW]: Failed to fetch \([^ ]*\).*/\1/p' "$log" | sort -u)
    if [ -z "$QV_APT_FAILED_INDEXES" ] && ! grep -q '^E:' "$log"; then
      rm -f "$log"
      return 0
    fi
    # Indexes this run already found out of step are not waited for twice.
    if [ -n "$QV_APT_FAILED_INDEXES" ] && [ -n "${QV_APT_OUT_OF_STEP:-}" ] &&
       [ -z "$(comm -23 <(echo "$QV_APT_FAILED_INDEXES") <(echo "$QV_APT_OUT_OF_STEP"))" ]; then
      rm -f "$log"
      echo "The mirror still serves these package indexes out of step; going on without them:"
      echo "$QV_APT_FAILED_INDEXES" | sed 's/^/  /'
      return 0
    fi
    if [ "$try" -lt 3 ]; then
      echo "apt-get update could not fetch every package index (try $try of 3); trying again in $((pause * try)) s."
      sleep $((pause * try))
    fi
  done
  cat "$log" >&2
  rm -f "$log"
  QV_APT_OUT_OF_STEP=$QV_APT_FAILED_INDEXES
  if [ -n "$QV_APT_FAILED_INDEXES" ]; then
    echo "Going on without these package indexes, which the mirror served out of step:"
    echo "$QV_APT_FAILED_INDEXES" | sed 's/^/  /'
  else
    echo "apt-get update reported errors (above); going on with the package indexes there are."
  fi
}

# The suites (dists/NAME/) of the indexes that failed, one a line.
qv_failed_suites() {
  echo "$QV_APT_FAILED_INDEXES" | sed -n 's|.*/dists/\([^/]*\)/.*|\1|p' | sort -u
}

# Installs the packages. When an index failed to update, the suite it belongs
# to may hold newer versions of libraries for one architecture only (an amd64
# library with no i386 twin of the same version), which apt cannot resolve;
# the install is then tried once more with that suite held back to what is
# already installed.
qv_apt_install() {
  local apt=(apt-get install -y -qq --no-install-recommends)
  # dpkg's progress goes to a log; apt's errors still show.
  mkdir -p "$BUILD"
  QV_APT_LOG=$BUILD/apt-install.log
  echo "(dpkg's progress: $QV_APT_LOG)"
  if DEBIAN_FRONTEND=noninteractive qv_sudo "${apt[@]}" "$@" >>"$QV_APT_LOG"; then return 0; fi
  local suites prefs
  suites=$(qv_failed_suites)
  if [ -n "$suites" ]; then
    prefs=$(mktemp)
    for suite in $suites; do
      printf 'Package: *\nPin: release n=%s\nPin-Priority: 100\n\n' "$suite" >>"$prefs"
      printf 'Package: *\nPin: release a=%s\nPin-Priority: 100\n\n' "$suite" >>"$prefs"
    done
    chmod a+r "$prefs"
    echo "Trying the install again with $(echo $suites) held back to the installed versions."
    if DEBIAN_FRONTEND=noninteractive qv_sudo "${apt[@]}" -o Dir::Etc::Preferences="$prefs" "$@" >>"$QV_APT_LOG"; then
      rm -f "$prefs"
      return 0
    fi
    rm -f "$prefs"
  fi
  qv_setup_failed
}

qv_setup_failed() {
  {
    echo
    echo "The set-up could not install the packages this project needs (apt's messages are above)."
    if [ -n "$QV_APT_FAILED_INDEXES" ]; then
      echo "The package mirror was out of step: it served these indexes in the middle of an update,"
      echo "so they did not match the mirror's own list of files:"
      echo "$QV_APT_FAILED_INDEXES" | sed 's/^/  /'
      echo "Without them apt could not find matching versions of every package."
      echo "This usually passes within minutes, once the mirror has finished its update."
      echo "Run the command again then:"
    else
      echo "Check the network and the package sources in /etc/apt, then run the command again:"
    fi
    echo "  $0"
  } >&2
  exit 1
}

# Seconds spent installing and building, for the closing line of the scripts.
QV_SETUP_SECONDS=0
QV_BUILD_SECONDS=0
qv_timed_build() {
  local started=$SECONDS
  "$@"
  QV_BUILD_SECONDS=$((QV_BUILD_SECONDS + SECONDS - started))
}
qv_report_times() {
  echo "Set-up (packages, wine prefix) took ${QV_SETUP_SECONDS} s, the build ${QV_BUILD_SECONDS} s, everything $SECONDS s."
}

qv_build_native() {
  cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DQV_DEPS_DIR="$QV_DEPS" >/dev/null
  cmake --build "$BUILD/native" -j2
}

qv_build_win32() {
  cmake -S "$ROOT" -B "$BUILD/win32" -G Ninja -DQV_DEPS_DIR="$QV_DEPS" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$BUILD/win32" -j2
}

# Creates the 32-bit wine prefix inside the build folder once.
qv_wine_prefix() {
  local started=$SECONDS
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
  QV_SETUP_SECONDS=$((QV_SETUP_SECONDS + SECONDS - started))
}

# For a benchmark: builds the given targets optimised in $BUILD/win32-release
# (its folder is OUT), then starts a wine session that ends with the script.
qv_bench_start() {
  qv_setup_machine
  OUT=$BUILD/win32-release
  cmake -S "$ROOT" -B "$OUT" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_DEPS_DIR="$QV_DEPS" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$OUT" --target "$@" -j2 >/dev/null
  qv_wine_prefix
  qv_wine_session_start
  trap qv_wine_session_stop EXIT
}

QV_XVFB_PID=""
# Starts a private X display of its own and exports DISPLAY.
qv_start_display() {
  local n=$((90 + RANDOM % 400))
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  QV_XVFB_PID=$!
  export DISPLAY=:$n
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
}

# Starts a private X display (unless keep_display is asked and one exists),
# one wineserver and wine's system processes, detached from our output.
qv_wine_session_start() {
  local keep_display=${1:-no}
  if [ "$keep_display" != yes ] || [ -z "${DISPLAY:-}" ]; then qv_start_display; fi
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

# ---- The program as a standard Windows user ---------------------------------
# Root ignores file permissions, under wine too, so what a standard user meets
# (a program folder they cannot write, as Program Files is) is tried as an
# ordinary account: QV_USER, made once, with a wine prefix of its own for each
# build folder (side-by-side builds never share its wineserver), kept between
# runs. The release goes into that prefix's "Program Files" as an installation
# by an administrator would leave it (owned by root, readable by all), the
# distribution into a read-only "Release" folder, and the Win32 tests into a
# folder of the user's, which then runs the StandardUser tests.
QV_USER=qvreader

qv_as_user() {
  runuser -u "$QV_USER" -- env HOME="$QV_USER_HOME" WINEPREFIX="$QV_USER_PREFIX" WINEARCH=win32 \
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" DISPLAY="${DISPLAY:-}" "$@"
}

qv_standard_user_prepare() {
  id -u "$QV_USER" >/dev/null 2>&1 || useradd -m "$QV_USER"
  QV_USER_HOME=$(getent passwd "$QV_USER" | cut -d: -f6)
  QV_USER_PREFIX=$QV_USER_HOME/prefixes/$(printf %s "$BUILD" | md5sum | cut -c1-12)
  if [ ! -f "$QV_USER_PREFIX/.qv-ready" ]; then
    echo "Creating the standard user's wine prefix in $QV_USER_PREFIX"
    runuser -u "$QV_USER" -- mkdir -p "$QV_USER_PREFIX"
    qv_as_user wineboot -i >/dev/null 2>&1 </dev/null || true
    qv_as_user wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
    qv_as_user wineserver -w
    touch "$QV_USER_PREFIX/.qv-ready"
  fi
  local c=$QV_USER_PREFIX/drive_c
  rm -rf "$c/Program Files/Quenvalis" "$c/Release" "$c/qvtests"
  cp -r "$BUILD/dist/Quenvalis" "$c/Program Files/Quenvalis"
  mv "$c/Program Files/Quenvalis/Install.exe" "$c/Program Files/Quenvalis/Quenvalis.exe"
  # Options an earlier version left in the program folder: the first start takes them along.
  printf '[Quenvalis_Main]\r\nRichBoxWidthPercent=60\r\n' >"$c/Program Files/Quenvalis/Quenvalis.ini"
  mkdir -p "$c/Release"
  cp -r "$BUILD/dist/Quenvalis" "$c/Release/Quenvalis"
  chown -R root:root "$c/Program Files/Quenvalis" "$c/Release"
  chmod -R a+rX,go-w "$c/Program Files/Quenvalis" "$c/Release"
  mkdir -p "$c/qvtests"
  cp "$BUILD/win32/bin/test_win32.exe" "$c/qvtests/"
  chown -R "$QV_USER" "$c/qvtests"
}

# Runs the StandardUser tests as the ordinary user, on a display of their own;
# the log goes to $BUILD/win32/standard_user.log.
qv_standard_user_tests() {
  qv_start_display
  qv_standard_user_prepare
  qv_as_user wineserver -p 2>/dev/null || true
  qv_as_user wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  local result=0
  (cd "$QV_USER_PREFIX/drive_c/qvtests" &&
    qv_as_user timeout 600 env QV_PROGRAM_FOLDER='C:\Program Files\Quenvalis' QV_SETUP_FOLDER='C:\Release\Quenvalis' \
      wine test_win32.exe --gtest_filter='StandardUser*' --gtest_color=no </dev/null 2>/dev/null) \
    >"$BUILD/win32/standard_user.log" || result=1
  qv_as_user wineserver -k >/dev/null 2>&1 || true
  kill "$QV_XVFB_PID" 2>/dev/null || true
  wait "$QV_XVFB_PID" 2>/dev/null || true
  QV_XVFB_PID=""
  return $result
}
