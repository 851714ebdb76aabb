#!/bin/sh
# Starts the program with two genetic code files on its command line, as a file manager does, on a real X server:
# both open as pictures 0 and 1, each drawn with its trunk, and File > Exit ends the program with status 0.
# Usage: sh open_files_at_start.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
set -u
program=$(realpath "$1")
name=open_files_at_start
work=$(mktemp -d)
shot=$work/screen.png
. "$(dirname "$0")/lib/x11.sh"

cd "$work" || fail "cannot enter $work"
write_trunk_file "$work/first.gen"
write_trunk_file "$work/second tree.gen"
start_program "$work/first.gen" "$work/second tree.gen"
main_window

for id in 0 1; do
    picture=$(window_titled "$id")
    [ -n "$picture" ] || fail "no picture window \"$id\" appeared for the files on the command line"
    eval "id_$id=$picture"
done
# Windows open where the server puts them: each in turn goes where nothing covers it.
for id in 0 1; do
    eval "picture=\$id_$id"
    xdotool windowmove --sync "$picture" 400 300 || fail "could not move picture window $id"
    xdotool windowraise "$picture" || fail "could not raise picture window $id"
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$picture")"
    import -window root "$shot" || fail "could not take a screenshot"
    # The trunk: straight up from (850,1600) twips in picDraw, 8 pixels wide, in the file's colour.
    trunk=$((X + $(px 1440) + $(px 850)))
    for y_twips in 1150 1550; do
        y=$((Y + $(px 120) + $(px "$y_twips")))
        colour=$(pixel "$trunk" "$y")
        [ "$colour" = "$trunk_colour" ] ||
            fail "picture $id's trunk pixel $trunk,$y is $colour, not $trunk_colour; screenshot $shot"
    done
done
[ -z "$(xdotool search --onlyvisible --name '^2$' 2>/dev/null)" ] || fail "more than two pictures opened"

focus "$main"
xdotool key --clearmodifiers alt+f || fail "could not press Alt+F in the main window"
xdotool key e || fail "could not press E in the File menu"
expect_ended_with_0 "File > Exit"

passed=yes
echo "open_files_at_start: passed"
