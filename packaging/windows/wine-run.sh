#!/bin/sh
# Runs a program built for Windows under Wine: the build's own programs (the picture drawing) and the
# tests. One Wine prefix for all of them, made on first use; ZEMORA_WINEPREFIX chooses another.
# Mono and Gecko are left out (nothing here needs .NET or HTML), so no installer window asks for them.
set -eu
WINEPREFIX=${ZEMORA_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zemora/wine}
WINEDEBUG=${WINEDEBUG:--all}
WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
mkdir -p "$(dirname "$WINEPREFIX")"
# Programs started side by side make the prefix once, one after the other. A Wine server started for
# another display (or for none) would open windows there, so it is ended first. A program that
# crashes ends, with Wine's report, instead of waiting in Wine's debugger.
flock "$WINEPREFIX.lock" sh -c '
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wine wineboot --init >/dev/null 2>&1
        wine reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug" /v Debugger /d "" /f \
            >/dev/null 2>&1
    fi
    if [ "$(cat "$WINEPREFIX.display" 2>/dev/null)" != "display ${DISPLAY:-}" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w
        echo "display ${DISPLAY:-}" > "$WINEPREFIX.display"
    fi'
# The first program of a Wine session starts Wine's own services, which outlive it and keep whatever
# it was started with: given the test's output, they would hold it open, and the test would not end
# until the whole session does. The program writes into a file, shown when it ends.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
wine "$@" >"$output" 2>&1 </dev/null || status=$?
cat "$output"
exit "$status"
