#!/usr/bin/env bash
# Builds everything and runs every test: the portable logic natively (with
# sanitizers), then the toolkit and Tavmoor.exe under Wine on a private Xvfb
# with a fresh Wine prefix. Installs what is missing first.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$TAVMOOR_ROOT"

tavmoor_install_deps
jobs=$(nproc)

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

native_log=$(mktemp)
windows_log=$(mktemp)
work=$(mktemp -d)
trap 'tavmoor_cleanup; rm -rf "$work" "$native_log" "$windows_log"' EXIT

status=0
ctest --preset native 2>&1 | tee "$native_log" || status=1

tavmoor_locale
tavmoor_start_xvfb
tavmoor_wine_prefix "$work/wineprefix"
ctest --preset windows 2>&1 | tee "$windows_log" || status=1

summary() { grep -E '^[0-9]+% tests passed' "$1" | tail -n 1; }
count() { sed -nE 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$1" | tail -n 1; }
read -r nf nt < <(count "$native_log") || true
read -r wf wt < <(count "$windows_log") || true
nf=${nf:-1} nt=${nt:-1} wf=${wf:-1} wt=${wt:-1}
echo
echo "native:  $(summary "$native_log")"
echo "windows: $(summary "$windows_log")"
echo "all: $((nt - nf + wt - wf)) passed, $((nf + wf)) failed"
exit $status
