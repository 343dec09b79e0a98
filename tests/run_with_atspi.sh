#!/bin/sh
# Runs a test program on a private Xvfb server inside a private session bus,
# with Qt's accessibility bridge on. Exits with 77 (skipped) when Xvfb, the
# session bus, the accessibility bus or pyatspi is missing.
command -v Xvfb >/dev/null 2>&1 || exit 77
command -v dbus-run-session >/dev/null 2>&1 || exit 77
[ -x /usr/libexec/at-spi-bus-launcher ] || exit 77
# pyatspi comes with Debian's own python3, not with one found earlier on PATH.
ATSPI_PYTHON=python3
[ -x /usr/bin/python3 ] && ATSPI_PYTHON=/usr/bin/python3
export ATSPI_PYTHON
"$ATSPI_PYTHON" -c 'import pyatspi' 2>/dev/null || exit 77
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
DISPLAY=":$(head -n 1 "$dir/display")" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    dbus-run-session -- "$@"
