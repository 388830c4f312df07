#!/usr/bin/env bash
# Retakes docs/screenshot.png: both windows of Tavmoor under Wine, on a
# private X server, with a Chinese font.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$TAVMOOR_ROOT"

tavmoor_build_windows tavmoor_showcase

work=$(mktemp -d)
trap 'tavmoor_cleanup; rm -rf "$work"' EXIT
tavmoor_locale
tavmoor_start_xvfb
tavmoor_wine_prefix "$work/wineprefix"

cp build/windows/tools/tavmoor_showcase.exe "$work/"
printf '22' > "$work/1.txt"
printf '30' > "$work/2.txt"
(cd "$work" && wine tavmoor_showcase.exe </dev/null >/dev/null 2>&1) &
TAVMOOR_PIDS+=($!)
sleep 6

mkdir -p docs
import -display "$DISPLAY" -window root "$work/full.png"
# The virtual desktop sits at the top left of the screen; keep the windows.
convert "$work/full.png" -crop 410x196+320+272 +repage docs/screenshot.png
tavmoor_log "wrote docs/screenshot.png"
