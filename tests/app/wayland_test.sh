#!/bin/sh
# Runs a test program natively on a headless Wayland compositor of its own (weston) with one output
# of 1366 x 768 at a scale of 2, drawn in memory so that a test can take a screenshot of it
# (weston-screenshooter, which --debug allows); skipped, with a message saying why, where no
# compositor can be started.
set -u
if ! command -v weston >/dev/null 2>&1; then
    echo "skipped: no Wayland compositor (weston) is installed"
    exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=zemora --idle-time=0 \
    --width=1366 --height=768 --scale=2 --use-pixman --debug \
    >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
tries=0
while [ ! -S "$runtime/zemora" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
if [ ! -S "$runtime/zemora" ]; then
    echo "skipped: weston did not start:"
    cat "$runtime/weston.log"
    exit 77
fi
echo "weston runs headless on $runtime/zemora"
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=zemora QT_QPA_PLATFORM=wayland "$@"
