#!/bin/sh
# Regression: a new picture window has the focus in its name box, where X11's line edit took Ctrl+E as "end of
# line" and the picture's Export Picture... never came. Opens a picture on a real X server and presses the
# picture window's shortcuts with the focus where the new window puts it.
# Usage: sh shortcuts_in_name_box.sh PATH_TO_vantrell (run on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"
start_with_trunk_picture

# The keys go to whatever has the focus in the new window: its name box.
press_for_window "$picture" ctrl+e "Export Picture"
focus "$shown"
xdotool key Escape || fail "could not press Esc in the Export Picture dialog"
press_for_window "$picture" ctrl+l "Picture 0"

exit_through_file_menu
