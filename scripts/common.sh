# Shared by scripts/run and scripts/test: package set-up and the Windows builds.
# Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
WINE="/usr/lib/wine/wine64"

# Installs the Debian packages that are missing (one apt-get update at most).
ensure_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

WINDOWS_PACKAGES=(cmake make file g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest wine64 xvfb
                  imagemagick)

# Builds the Windows program (and its tests) for one architecture: i686 or x86_64.
build_windows() {
  local arch="$1"
  local dir="$BUILD/win-$arch"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

# A fresh wine prefix in $1, with wine drawing the window frames itself.
make_wine_prefix() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w 2>/dev/null || true
}

# Starts a virtual display on a free number and exports DISPLAY.
XVFB_PID=""
start_virtual_display() {
  local n=91
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "The virtual display did not start" >&2
  return 1
}

stop_virtual_display() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
