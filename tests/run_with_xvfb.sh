#!/bin/sh
# Runs a test program against a private Xvfb server with the xcb platform, so
# that it sees what a real X server receives. Exits with 77 (skipped) when
# there is no Xvfb.
command -v Xvfb >/dev/null 2>&1 || exit 77
dir=$(mktemp -d) || exit 1
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; rm -rf "$dir"' EXIT
tries=0
while ! grep -q . "$dir/display" 2>/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && exit 77
    sleep 0.1
done
DISPLAY=":$(head -n 1 "$dir/display")" QT_QPA_PLATFORM=xcb "$@"
