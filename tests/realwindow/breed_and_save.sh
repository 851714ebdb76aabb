#!/bin/sh
# Breeds a child from a saved parent at rate 0 on a real X server, as a user would with mouse and keyboard,
# saves the child and checks the file, the child's drawn trunk and that File > Exit ends the program with status 0.
# Usage: sh breed_and_save.sh PATH_TO_vantrell (run on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"

# How many lines file $1 has; nothing while it does not exist.
lines_of() {
    wc -l 2>/dev/null <"$1"
}

# The parent is the trunk, read from trunk.gen at rate 0; moved aside, as a user would.
start_with_trunk_picture
parent=$picture
move_window "$parent" 300 0

tick_parent "$parent"

# A new name with no file and Open again: the child is bred from its one parent.
focus "$main"
type_into "$main" "$menu" 1200 600 1455 375 child.gen
click_control "$main" "$menu" 1 120 600 975 375
child=$(window_titled 1)
[ -n "$child" ] || fail "the second Open showed no picture window \"1\""
move_window "$child" 400 300
[ ! -e child.gen ] || fail "breeding wrote a file child.gen"

# Save the child under a name typed into its own name box.
focus "$child"
type_into "$child" 0 960 1800 2175 375 saved.gen
click_control "$child" 0 1 120 720 1095 375
wait_until 5 at_least 108 lines_of saved.gen
[ -f saved.gen ] || fail "Save in the child's window wrote no file saved.gen within 5 seconds"

lines=$(wc -l <saved.gen)
[ "$lines" -eq 108 ] || fail "the saved file has $lines lines, not 108"
crlf_lines=$(grep -c "$(printf '\r')\$" saved.gen)
[ "$crlf_lines" -eq 108 ] || fail "only $crlf_lines of the saved file's 108 lines end in CR LF"
[ "$(tail -c 2 saved.gen | od -An -c | tr -d ' ')" = '\r\n' ] || fail "the saved file does not end with CR LF"
head -n 9 trunk.gen >parent0.txt
head -n 9 saved.gen >child0.txt
cmp -s parent0.txt child0.txt || fail "gene 0 of the child differs from the parent's (was Parent ticked?); parent|child:
$(paste -d '|' parent0.txt child0.txt | tr -d '\r')"
cmp -s trunk.gen saved.gen || fail "the child's genetic code differs from its only parent's at rate 0:
$(diff trunk.gen saved.gen | tr -d '\r' | head -n 20)"

# The child's trunk: straight up from (850,1600) twips in picDraw, 8 pixels wide, in gene 0's colour (red 30,
# green 160, blue 220), on picDraw's background, which is the window's; nothing is drawn beside it.
screenshot_picture "$child" 400 300
trunk=$((left + $(px 850)))
background=$(pixel $((left + $(px 75))) $((top + $(px 75))))
[ "$background" != "$trunk_colour" ] || fail "the corner of picDraw is in the trunk's colour; screenshot $shot"
window_colour=$(pixel $((X + $(px 45))) $((Y + $(px 45))))
[ "$background" = "$window_colour" ] ||
    fail "picDraw's background $background is not the window's background $window_colour; screenshot $shot"
for y_twips in 1150 1350 1550; do
    y=$((top + $(px "$y_twips")))
    colour=$(pixel "$trunk" "$y")
    [ "$colour" = "$trunk_colour" ] ||
        fail "the trunk's pixel $trunk,$y is $colour, not gene 0's colour $trunk_colour; screenshot $shot"
    # 180 twips (12 pixels) to each side is clear of the 8-pixel pen.
    for x in $((trunk - $(px 180))) $((trunk + $(px 180))); do
        colour=$(pixel "$x" "$y")
        [ "$colour" = "$background" ] ||
            fail "pixel $x,$y beside the trunk is $colour, not the background $background; screenshot $shot"
    done
done

exit_through_file_menu
