#!/bin/sh
# Animates two ticked pictures on a real X server, as a user would: both read from files, their Parent boxes
# ticked, Ctrl+Shift+A in the main window. The Animation window's drawing changes while it plays and stands still
# once Space has paused it.
# Usage: sh animate.sh PATH_TO_vantrell (run on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"

# How many pixels of window $1 differ between two pictures taken $2 seconds apart.
changes_within() {
    import -window "$1" "$work/before.png" || fail "could not take a picture of window $1"
    sleep "$2"
    import -window "$1" "$work/after.png" || fail "could not take a picture of window $1"
    compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 | cut -d ' ' -f 1
}

# The first picture is the test's trunk; the second a longer, wider trunk in another colour.
write_trunk_file first.gen
{
    printf '%s\r\n' 0.25 40 40 230 False True 1300 16 ""
    tail -n +10 first.gen
} >second.gen

start_program
# Windows open where the server puts them, over the main window: each is moved aside and its Parent box ticked.
id=0
for file in first.gen second.gen; do
    open_at_rate_0 "$file"
    picture=$(window_titled "$id")
    [ -n "$picture" ] || fail "Open with $file showed no picture window \"$id\""
    move_window "$picture" $((300 + 100 * id)) $((300 * id))
    tick_parent "$picture"
    id=$((id + 1))
done

press_for_window "$main" ctrl+shift+a Animation
animation=$shown
focus "$animation"

# Playing, a second goes from one picture to the other; Space pauses it.
sleep 0.5
changed=$(changes_within "$animation" 0.25)
[ "$changed" -gt 0 ] 2>/dev/null || fail "the Animation window's drawing did not change while it played ($changed pixels)"
xdotool key space || fail "could not press Space in the Animation window"
sleep 0.3
changed=$(changes_within "$animation" 0.5)
[ "$changed" = 0 ] || fail "the Animation window's drawing changed after Space paused it ($changed pixels)"

exit_through_file_menu
