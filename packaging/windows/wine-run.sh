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
# Programs started side by side make the prefix once, one after the other.
flock "$WINEPREFIX.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || wine wineboot --init >/dev/null 2>&1'
exec wine "$@"
