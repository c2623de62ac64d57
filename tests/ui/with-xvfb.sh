#!/usr/bin/env bash
# Runs a command on a private Xvfb server of its own, on a free display, and
# stops the server afterwards.
set -euo pipefail

if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed" >&2
    exit 77
fi

work=$(mktemp -d)
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$work"' EXIT

if ! read -r -t 20 number <"$work/display"; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

DISPLAY=":$number" QT_QPA_PLATFORM=xcb "$@"
