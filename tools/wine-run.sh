#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix: CTest's emulator.
# Uses the display and wineserver of an enclosing test run when there is one,
# or else brings up a virtual display of its own for this one program.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"

own_display=
if [[ -z "${DISPLAY:-}" ]]; then
    start_virtual_display
    own_display=1
fi
ensure_prefix
"$WINE" "$@"
rc=$?
[[ -n "$own_display" ]] && stop_virtual_display
exit $rc
