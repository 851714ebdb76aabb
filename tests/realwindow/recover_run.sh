#!/bin/sh
# Nothing lost on a real X server: a run of four pictures, one of them closed, is killed with SIGKILL; the next run's
# Pictures > Recover Run..., Enter, gives back the three that were open, drawn as before, and the family tree
# shows them.
# Usage: sh recover_run.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"
# The first run: the trunk read from its file at rate 0, then a litter of three more from the same file.
start_with_trunk_picture
pictures_menu l "Open Litter"
xdotool key ctrl+a 3 Return || fail "could not ask for a litter of three"
for id in 1 2 3; do
    [ -n "$(window_titled "$id")" ] || fail "the litter showed no picture window \"$id\""
done
# Done on picture 2: it was not open when the run ended.
two=$(window_titled 2)
focus "$two"
click_control "$two" 0 1 120 240 1095 375
wait_until 5 window_gone 2 ||
    fail "Done did not close picture window \"2\""

kill -9 "$(cat "$work/pid")"
wait_for_end "SIGKILL"
journals=$(ls "$XDG_DATA_HOME/vantrell/runs" 2>/dev/null | wc -l)
[ "$journals" -eq 1 ] || fail "the killed run left $journals journals, not one"

# The second run: Pictures > Recover Run..., Enter recovers the newest run, selected.
start_program
pictures_menu r "Recover Run"
xdotool key Return || fail "could not press Enter in the Recover Run dialog"
for id in 0 1 2; do
    [ -n "$(window_titled "$id")" ] || fail "recovering showed no picture window \"$id\""
done
[ -z "$(xdotool search --onlyvisible --name '^3$' 2>/dev/null)" ] || fail "recovering reopened the closed picture"

# The first copy shows the trunk in its colour, as the original did.
screenshot_picture "$(window_titled 0)" 600 420
colour=$(trunk_pixel 1350)
[ "$colour" = "$trunk_colour" ] || fail "the recovered trunk is $colour, not $trunk_colour; screenshot $shot"

# The family tree paints the recovered pictures' thumbnails.
press_for_window "$main" ctrl+shift+f "Family Tree"
tree=$shown
move_window "$tree" 0 0
sleep 1
import -window "$tree" "$shot" || fail "could not take a screenshot of the family tree"
found=$(convert "$shot" -depth 8 txt:- | grep -c -i "$trunk_colour")
[ "$found" -gt 100 ] || fail "the family tree shows $found pixels of the trunk's colour; screenshot $shot"

exit_through_file_menu
