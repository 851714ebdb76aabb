#!/bin/sh
# The genes editor on a real X server: Ctrl+G on a new picture opens "Genes of Picture 0" with the focus on gene 0's
# Length; the trunk's colour is typed into the Red, Green and Blue cells by keys alone; Ctrl+Return opens picture 1,
# drawn in the new colour.
# Usage: sh edit_genes.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"
start_with_trunk_picture

press_for_window "$picture" ctrl+g "Genes of Picture 0"
editor=$shown
focus "$editor"
# From Length three cells on to Red; each value typed starts an edit that Enter commits, staying on its cell.
xdotool key Right Right Right || fail "could not move to gene 0's Red"
for value in 200 20 40; do
    xdotool type --delay 30 "$value" || fail "could not type $value"
    xdotool key Return Right || fail "could not commit $value"
done
new_colour='#C81428'
press_for_window "$editor" ctrl+Return 1
edited=$shown

# The trunk, 500 twips up from (850,1600) twips in picDraw.
screenshot_picture "$edited" 600 420
colour=$(trunk_pixel 1350)
[ "$colour" = "$new_colour" ] || fail "the new picture's trunk is $colour, not the typed $new_colour; screenshot $shot"

exit_through_file_menu
