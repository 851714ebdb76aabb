#!/bin/sh
# Starts the program with two genetic code files on its command line, as a file manager does, on a real X server:
# both open as pictures 0 and 1, each drawn with its trunk.
# Usage: sh open_files_at_start.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
set -u
program=$(realpath "$1")
name=open_files_at_start
work=$(mktemp -d)
shot=$work/screen.png
. "$(dirname "$0")/lib/x11.sh"

write_trunk_file "$work/first.gen"
write_trunk_file "$work/second tree.gen"
start_program "$work/first.gen" "$work/second tree.gen"
main_window
for id in 0 1; do
    picture=$(window_titled "$id")
    [ -n "$picture" ] || fail "no picture window \"$id\" appeared for the files on the command line"
    # Moved and raised where nothing covers it, the trunk is straight up from (850,1600) twips in picDraw.
    xdotool windowmove --sync "$picture" 400 300 windowraise "$picture" || fail "could not show picture $id"
    sleep 0.3
    import -window root "$shot" || fail "could not take a screenshot"
    for y_twips in 1150 1550; do
        colour=$(pixel $((400 + $(px 1440) + $(px 850))) $((300 + $(px 120) + $(px "$y_twips"))))
        [ "$colour" = "$trunk_colour" ] || fail "picture $id's trunk is $colour, not $trunk_colour; screenshot $shot"
    done
done
[ -z "$(xdotool search --onlyvisible --name '^2$' 2>/dev/null)" ] || fail "more than two pictures opened"

passed=yes
echo "open_files_at_start: passed"
