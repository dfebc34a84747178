#!/usr/bin/env bash
# Installs what is missing, builds, and runs Veyrath.exe under Wine. With an X
# display it runs there until closed; without one it runs on a virtual
# display, saves a screenshot of the launcher to build/launcher.png and closes.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/build.sh"
source "$root/tools/wine-env.sh"

if [[ -n "${DISPLAY:-}" ]]; then
    ensure_prefix
    exec "$WINE" "$root/build/Veyrath.exe"
fi

start_virtual_display
trap '"$WINESERVER" -w; stop_virtual_display' EXIT
ensure_prefix
"$WINE" "$root/build/Veyrath.exe" &
program=$!
geometry="$("$WINE" "$root/build/tools/launcherctl.exe" wait | tr -d '\r')"
import -window root -crop "$geometry" +repage "$root/build/launcher.png"
echo "Screenshot of the launcher: build/launcher.png"
"$WINE" "$root/build/tools/launcherctl.exe" close
wait "$program"
