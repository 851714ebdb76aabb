#!/bin/sh
# An album on a real X server: vantrell --album on a folder of three genetic code files and a damaged one. The three
# thumbnails appear in the desktop's thumbnail cache, the damaged file has its note of failure there, and Ctrl+A then
# Return in the album opens the three as pictures.
# Usage: sh album.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"
# The thumbnails go into the working folder's cache, never the user's.
XDG_CACHE_HOME=$work/cache
export XDG_CACHE_HOME

# How many files folder $1 holds, none when it does not exist.
files_in() {
    find "$1" -type f 2>/dev/null | wc -l
}

mkdir "$work/codes" || fail "cannot make $work/codes"
for code in first second third; do
    write_trunk_file "$work/codes/$code.gen"
done
printf 'not a genetic code\r\n' >"$work/codes/broken.gen"

start_program --album "$work/codes"
album=$(window_titled "Album - codes")
[ -n "$album" ] || fail "vantrell --album showed no window \"Album - codes\""

wait_until 10 at_least 3 files_in "$work/cache/thumbnails/normal"
[ "$(files_in "$work/cache/thumbnails/normal")" -eq 3 ] ||
    fail "the cache holds $(files_in "$work/cache/thumbnails/normal") thumbnails after 10 seconds, not 3"
[ "$(files_in "$work/cache/thumbnails/fail/vantrell-1.0")" -eq 1 ] ||
    fail "the cache holds no note of the damaged file's failure"

# The damaged file is told in a message box as Open File tells it; the others open as pictures.
pictures() {
    xdotool search --onlyvisible --name '^[0-9]+$' 2>/dev/null | wc -l
}
focus "$album"
xdotool key --clearmodifiers ctrl+a Return || fail "could not press Ctrl+A and Return in the album"
wait_until 10 at_least 3 pictures
sleep 0.5
[ "$(pictures)" -eq 3 ] || fail "Return on all the album's files opened $(pictures) pictures, not 3"
box=$(window_titled Vantrell)
[ -n "$box" ] || fail "opening the damaged file showed no message box"
focus "$box"
xdotool key Return || fail "could not close the message box"

exit_through_file_menu
