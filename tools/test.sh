#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite under Wine
# on a virtual display of its own.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/build.sh" || exit 1
source "$root/tools/wine-env.sh"

start_virtual_display
ensure_prefix
start_wineserver
"$WINE" wineboot >/dev/null 2>&1  # Wine's services, up once for the whole run
cleanup() { stop_wineserver; stop_virtual_display; }
trap cleanup EXIT

ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" --timeout 120
