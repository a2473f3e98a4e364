#!/usr/bin/env bash
# Runs a program on a virtual screen of the given size under a real window
# manager, which frames its windows and places them as a desktop does: for
# the placement tests, and to see the windows as a user does (screenshots
# with `import -window root`).
# Usage: under_window_manager.sh WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
set -euo pipefail
size=$1
shift
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$number" 2>/dev/null &
server=$!
trap 'kill $server ${manager:-} 2>/dev/null; rm -f "$number"' EXIT
until [ -s "$number" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$number")
openbox --sm-disable 2>/dev/null &
manager=$!
# Ready once it names itself on the root window.
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; do sleep 0.1; done
QT_QPA_PLATFORM=xcb "$@"
