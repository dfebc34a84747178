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
# Wine's helper processes inherit the program's output; files (not the
# caller's pipe) keep a reader such as CTest from waiting on them.
out="$(mktemp)" err="$(mktemp)"
"$WINE" "$@" >"$out" 2>"$err"
rc=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
[[ -n "$own_display" ]] && stop_virtual_display
exit $rc
