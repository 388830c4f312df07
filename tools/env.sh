# Shared set-up for tools/run.sh, tools/test.sh and tools/screenshot.sh.
# Source it; every function is bounded in time and every process it starts
# is recorded by PID and ended by tavmoor_cleanup.

TAVMOOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TAVMOOR_PIDS=()

tavmoor_log() { printf '[tavmoor] %s\n' "$*" >&2; }

# Installs whatever is missing, with apt-get, non-interactively.
tavmoor_install_deps() {
  local wanted=(cmake ninja-build g++ libgtest-dev libgmock-dev googletest
                g++-mingw-w64-x86-64-posix wine wine64 xvfb fonts-wqy-zenhei
                x11-utils xdotool imagemagick locales)
  local missing=()
  local p
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    tavmoor_log "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# A zh_CN.UTF-8 locale of our own, so Wine runs with code page 936 and picks
# Chinese fonts, whatever locales the host has.
tavmoor_locale() {
  local dir="$TAVMOOR_ROOT/build/locale"
  if [ ! -d "$dir/zh_CN.UTF-8" ]; then
    mkdir -p "$dir"
    localedef -i zh_CN -f UTF-8 "$dir/zh_CN.UTF-8" 2>/dev/null || true
  fi
  export LOCPATH="$dir"
  # bash itself cannot load the private locale; only Wine needs it.
  { export LANG=zh_CN.UTF-8; unset LC_ALL LC_CTYPE; } 2>/dev/null
}

# A private X server on a free display number.
tavmoor_start_xvfb() {
  local n=91
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  TAVMOOR_PIDS+=($!)
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  tavmoor_log "Xvfb did not start on :$n"
  return 1
}

# A Wine prefix at $1, made once; programs run in a 1024x768 virtual desktop,
# which draws window frames and a system tray and handles focus.
tavmoor_wine_prefix() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  if [ ! -f "$WINEPREFIX/.tavmoor-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    tavmoor_log "making a Wine prefix in $WINEPREFIX"
    timeout 180 wineboot -i >/dev/null 2>&1 || { tavmoor_log "wineboot failed"; return 1; }
    timeout 60 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    timeout 60 wineserver -w
    touch "$WINEPREFIX/.tavmoor-ready"
  fi
  # One server for the whole run (every test process starts faster), and the
  # prefix's own services and desktop started now, with no output: started
  # later by a test, they would inherit and hold open the pipe of whatever
  # reads that test's output, and the reader would wait for them forever.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Installs what is missing, then builds the given targets of the Windows tree.
tavmoor_build_windows() {
  tavmoor_install_deps
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target "$@"
}

tavmoor_cleanup() {
  if [ -n "${WINEPREFIX:-}" ]; then
    timeout 20 wineserver -k >/dev/null 2>&1 || true
  fi
  local pid
  for pid in "${TAVMOOR_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${TAVMOOR_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  TAVMOOR_PIDS=()
}
