#!/bin/sh
# The genes editor on a real X server: Ctrl+G on a new picture opens "Genes of Picture 0" with the focus on gene 0's
# Length; the trunk's colour is typed into the Red, Green and Blue cells by keys alone; Ctrl+Return opens picture 1,
# drawn in the new colour.
# Usage: sh edit_genes.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
set -u
program=$(realpath "$1")
name=edit_genes
work=$(mktemp -d)
shot=$work/screen.png
. "$(dirname "$0")/lib/x11.sh"

cd "$work" || fail "cannot enter $work"
start_with_trunk_picture
focus "$picture"

xdotool key --clearmodifiers ctrl+g || fail "could not press Ctrl+G"
editor=$(window_titled "Genes of Picture 0")
[ -n "$editor" ] || fail "Ctrl+G in a new picture window showed no window \"Genes of Picture 0\""
focus "$editor"
# From Length three cells on to Red; each value typed starts an edit that Enter commits, staying on its cell.
xdotool key Right Right Right || fail "could not move to gene 0's Red"
for value in 200 20 40; do
    xdotool type --delay 30 "$value" || fail "could not type $value"
    xdotool key Return Right || fail "could not commit $value"
done
new_colour='#C81428'
xdotool key --clearmodifiers ctrl+Return || fail "could not press Ctrl+Return"
edited=$(window_titled 1)
[ -n "$edited" ] || fail "Ctrl+Return in the genes editor showed no picture window \"1\""

# The trunk, 500 twips up from (850,1600) twips in picDraw.
xdotool windowmove --sync "$edited" 600 420 || fail "could not move picture window \"1\" aside"
focus "$edited"
sleep 0.3
import -window root "$shot" || fail "could not take a screenshot"
eval "$(xdotool getwindowgeometry --shell "$edited")"
colour=$(pixel $((X + $(px 1440) + $(px 850))) $((Y + $(px 120) + $(px 1350))))
[ "$colour" = "$new_colour" ] || fail "the new picture's trunk is $colour, not the typed $new_colour; screenshot $shot"

focus "$main"
xdotool key --clearmodifiers alt+f || fail "could not press Alt+F in the main window"
xdotool key e || fail "could not press E in the File menu"
expect_ended_with_0 "File > Exit"

passed=yes
echo "$name: passed"
