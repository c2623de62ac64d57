#!/usr/bin/env bash
# Runs a command on a private X server managed by openbox, as on a desktop;
# exits 77 (skipped) when either is missing. Usage: under-openbox.sh COMMAND...
set -euo pipefail
for tool in Xvfb openbox xprop; do command -v $tool >/dev/null || exit 77; done
work=$(mktemp -d) pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
trap 'exit 143' TERM INT
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
read -r number <"$work/display"
export DISPLAY=:$number XDG_CACHE_HOME=$work XDG_CONFIG_HOME=$work
openbox --sm-disable >/dev/null 2>&1 & pids+=($!)
# Managed once openbox names itself on the root window.
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK | grep -q '#' && break; sleep 0.05; done
# In the background, so that a time-out's signal ends all of it.
"$@" & pids+=($!)
wait $!
