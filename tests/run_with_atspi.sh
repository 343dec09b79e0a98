#!/bin/sh
# Runs a test program on a private Xvfb server (run_with_xvfb.sh) inside a
# private session bus, with Qt's accessibility bridge on. Exits with 77
# (skipped) when the session bus, the accessibility bus or pyatspi is missing.
command -v dbus-run-session >/dev/null 2>&1 || exit 77
[ -x /usr/libexec/at-spi-bus-launcher ] || exit 77
# pyatspi comes with Debian's own python3, not with one found earlier on PATH.
ATSPI_PYTHON=python3
[ -x /usr/bin/python3 ] && ATSPI_PYTHON=/usr/bin/python3
export ATSPI_PYTHON
"$ATSPI_PYTHON" -c 'import pyatspi' 2>/dev/null || exit 77
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec sh "$(dirname "$0")/run_with_xvfb.sh" dbus-run-session -- "$@"
