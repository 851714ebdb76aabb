#!/bin/sh
# Starts the program with two genetic code files on its command line, as a file manager does, on a real X server:
# both open as pictures 0 and 1, each drawn with its trunk.
# Usage: sh open_files_at_start.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"

write_trunk_file "$work/first.gen"
write_trunk_file "$work/second tree.gen"
start_program "$work/first.gen" "$work/second tree.gen"
for id in 0 1; do
    picture=$(window_titled "$id")
    [ -n "$picture" ] || fail "no picture window \"$id\" appeared for the files on the command line"
    # Moved and raised where nothing covers it, the trunk is straight up from (850,1600) twips in picDraw.
    screenshot_picture "$picture" 400 300
    for y_twips in 1150 1550; do
        colour=$(trunk_pixel "$y_twips")
        [ "$colour" = "$trunk_colour" ] || fail "picture $id's trunk is $colour, not $trunk_colour; screenshot $shot"
    done
done
[ -z "$(xdotool search --onlyvisible --name '^2$' 2>/dev/null)" ] || fail "more than two pictures opened"
pass
