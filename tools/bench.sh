#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine on a virtual display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/build.sh" >/dev/null
source "$root/tools/wine-env.sh"
start_virtual_display
trap '"$WINESERVER" -w; stop_virtual_display' EXIT
ensure_prefix
"$WINE" "$root/build/bench/veyrath_bench.exe"
