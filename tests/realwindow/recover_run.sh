#!/bin/sh
# Nothing lost on a real X server: a run of four pictures, one of them closed, is killed with SIGKILL; the next run's
# Pictures > Recover Run..., Enter, gives back the three that were open, drawn as before, and the family tree
# shows them.
# Usage: sh recover_run.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
set -u
program=$(realpath "$1")
name=recover_run
work=$(mktemp -d)
shot=$work/screen.png
. "$(dirname "$0")/lib/x11.sh"

cd "$work" || fail "cannot enter $work"
# The first run: the trunk read from its file at rate 0, then a litter of three more from the same file.
start_with_trunk_picture
pictures_menu l
[ -n "$(window_titled "Open Litter")" ] || fail "Open Litter... showed no window \"Open Litter\""
xdotool key ctrl+a 3 Return || fail "could not ask for a litter of three"
for id in 1 2 3; do
    [ -n "$(window_titled "$id")" ] || fail "the litter showed no picture window \"$id\""
done
# Done on picture 2: it was not open when the run ended.
two=$(window_titled 2)
focus "$two"
click_control "$two" 0 1 120 240 1095 375
waited=0
while [ -n "$(xdotool search --onlyvisible --name '^2$' 2>/dev/null)" ] && [ "$waited" -lt 50 ]; do
    sleep 0.1
    waited=$((waited + 1))
done
[ "$waited" -lt 50 ] || fail "Done did not close picture window \"2\""

kill -9 "$(cat "$work/pid")"
wait_for_end "SIGKILL"
journals=$(ls "$XDG_DATA_HOME/vantrell/runs" 2>/dev/null | wc -l)
[ "$journals" -eq 1 ] || fail "the killed run left $journals journals, not one"

# The second run: Pictures > Recover Run..., Enter recovers the newest run, selected.
start_program
main_window
pictures_menu r
[ -n "$(window_titled "Recover Run")" ] || fail "Recover Run... showed no window \"Recover Run\""
xdotool key Return || fail "could not press Enter in the Recover Run dialog"
for id in 0 1 2; do
    [ -n "$(window_titled "$id")" ] || fail "recovering showed no picture window \"$id\""
done
[ -z "$(xdotool search --onlyvisible --name '^3$' 2>/dev/null)" ] || fail "recovering reopened the closed picture"

# The first copy shows the trunk in its colour, as the original did.
copy=$(window_titled 0)
xdotool windowmove --sync "$copy" 600 420 || fail "could not move picture window \"0\" aside"
focus "$copy"
sleep 0.3
import -window root "$shot" || fail "could not take a screenshot"
eval "$(xdotool getwindowgeometry --shell "$copy")"
colour=$(pixel $((X + $(px 1440) + $(px 850))) $((Y + $(px 120) + $(px 1350))))
[ "$colour" = "$trunk_colour" ] || fail "the recovered trunk is $colour, not $trunk_colour; screenshot $shot"

# The family tree paints the recovered pictures' thumbnails.
focus "$main"
xdotool key --clearmodifiers ctrl+shift+f || fail "could not press Ctrl+Shift+F"
tree=$(window_titled "Family Tree")
[ -n "$tree" ] || fail "Ctrl+Shift+F showed no window \"Family Tree\""
xdotool windowmove --sync "$tree" 0 0 || fail "could not move the family tree"
sleep 1
import -window "$tree" "$shot" || fail "could not take a screenshot of the family tree"
found=$(convert "$shot" -depth 8 txt:- | grep -c -i "$trunk_colour")
[ "$found" -gt 100 ] || fail "the family tree shows $found pixels of the trunk's colour; screenshot $shot"

focus "$main"
xdotool key --clearmodifiers alt+f || fail "could not press Alt+F in the main window"
xdotool key e || fail "could not press E in the File menu"
expect_ended_with_0 "File > Exit"

passed=yes
echo "recover_run: passed"
