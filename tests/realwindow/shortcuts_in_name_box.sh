#!/bin/sh
# Regression: a new picture window has the focus in its name box, where X11's line edit took Ctrl+E as "end of
# line" and the picture's Export Picture... never came. Opens a picture on a real X server and presses the
# picture window's shortcuts with the focus where the new window puts it.
# Usage: sh shortcuts_in_name_box.sh PATH_TO_vantrell (run on its own X server, for instance under xvfb-run).
set -u

program=$(realpath "$1")
name=shortcuts_in_name_box
work=$(mktemp -d)
. "$(dirname "$0")/lib/x11.sh"

cd "$work" || fail "cannot enter $work"

start_with_trunk_picture
focus "$picture"

# The keys go to whatever has the focus in the new window: its name box.
xdotool key --clearmodifiers ctrl+e || fail "could not press Ctrl+E"
dialog=$(window_titled "Export Picture")
[ -n "$dialog" ] || fail "Ctrl+E in a new picture window showed no dialog \"Export Picture\""
focus "$dialog"
xdotool key Escape || fail "could not press Esc in the Export Picture dialog"

focus "$picture"
xdotool key --clearmodifiers ctrl+l || fail "could not press Ctrl+L"
[ -n "$(window_titled "Picture 0")" ] || fail "Ctrl+L in a new picture window showed no large view \"Picture 0\""

focus "$main"
xdotool key --clearmodifiers alt+f || fail "could not press Alt+F in the main window"
xdotool key e || fail "could not press E in the File menu"
expect_ended_with_0 "File > Exit"

passed=yes
echo "$name: passed"
