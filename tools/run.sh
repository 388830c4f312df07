#!/usr/bin/env bash
# Builds Tavmoor.exe and starts it under Wine. Installs what is missing first.
# With a display ($DISPLAY) it runs until the program ends (Ctrl+C stops it).
# Without one it starts a private X server, lets the program run for
# TAVMOOR_RUN_SECONDS (default 20), saves a screenshot and stops.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$TAVMOOR_ROOT"

tavmoor_build_windows Tavmoor
exe="$TAVMOOR_ROOT/build/windows/Tavmoor.exe"
tavmoor_log "built $exe ($(stat -c %s "$exe") bytes)"

trap tavmoor_cleanup EXIT
tavmoor_locale
private_display=false
if [ -z "${DISPLAY:-}" ]; then
  tavmoor_start_xvfb
  private_display=true
fi
# A prefix of the project's own, kept between runs.
tavmoor_wine_prefix "$TAVMOOR_ROOT/build/wineprefix"

tavmoor_log "starting Tavmoor.exe; it lives in the notification area (the main window starts hidden)"
if $private_display; then
  (cd "$(dirname "$exe")" && exec wine "$exe" </dev/null >/dev/null 2>&1) &
  TAVMOOR_PIDS+=($!)
  sleep "${TAVMOOR_RUN_SECONDS:-20}"
  shot="$TAVMOOR_ROOT/build/screenshot.png"
  import -display "$DISPLAY" -window root "$shot"
  tavmoor_log "no display: ran on a private X server; screenshot at $shot"
else
  (cd "$(dirname "$exe")" && wine "$exe")
  tavmoor_log "Tavmoor.exe ended"
fi
