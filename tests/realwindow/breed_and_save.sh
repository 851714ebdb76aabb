#!/bin/sh
# Breeds a child from a saved parent at rate 0 on a real X server, as a user would with mouse and keyboard,
# saves the child and checks the file, the child's drawn trunk and that File > Exit ends the program with status 0.
# Usage: sh breed_and_save.sh PATH_TO_vantrell (run on its own X server, for instance under xvfb-run).
set -u

program=$(realpath "$1")
name=breed_and_save
work=$(mktemp -d)
shot=$work/screen.png
. "$(dirname "$0")/lib/x11.sh"

# Puts window $1 at screen position $2,$3 so that no other window covers it.
move_to() {
    xdotool windowmove --sync "$1" "$2" "$3" || fail "could not move window $1 to $2,$3"
}

cd "$work" || fail "cannot enter $work"

# The parent: gene 0 a thick trunk 500 twips long in a colour nothing else uses, gene 1 done so the trunk is
# all that is drawn; the other genes are valid values written as the program itself writes them.
crlf() {
    printf '%s\r\n' "$@"
}
{
    crlf 0.25 220 160 30 False True 500 8 ""
    crlf 0.5 0 255 0 True True 300 4 ""
    gene=2
    while [ "$gene" -le 11 ]; do
        draw=False
        [ $((gene % 2)) = 0 ] && draw=True
        # Angle, blue, green, red, Done, Draw, length, width, the empty line.
        crlf "$((gene / 10)).$((gene % 10))5" $((gene * 20)) $((250 - gene * 20)) $((gene * 10)) False $draw \
            $((100 + gene * 50)) $((gene + 1)) ""
        gene=$((gene + 1))
    done
} >parent.gen
[ "$(wc -l <parent.gen)" -eq 108 ] || fail "the parent file written by the test does not have 108 lines"

start_program
main_window

# Rate 0 and the parent's file name, then Open: the parent is read from its file.
open_at_rate_0 parent.gen
parent=$(window_titled 0)
[ -n "$parent" ] || fail "Open with the parent's file name showed no picture window \"0\""
# Windows open where the server puts them, over the main window: move each aside, as a user would.
move_to "$parent" 300 0

# Tick Parent on the parent's window.
focus "$parent"
click_control "$parent" 0 1 240 1200 1095 375

# A new name with no file and Open again: the child is bred from its one parent.
focus "$main"
type_into "$main" "$menu" 1200 600 1455 375 child.gen
click_control "$main" "$menu" 1 120 600 975 375
child=$(window_titled 1)
[ -n "$child" ] || fail "the second Open showed no picture window \"1\""
move_to "$child" 400 300
[ ! -e child.gen ] || fail "breeding wrote a file child.gen"

# Save the child under a name typed into its own name box.
focus "$child"
type_into "$child" 0 960 1800 2175 375 saved.gen
click_control "$child" 0 1 120 720 1095 375
waited=0
while { [ ! -f saved.gen ] || [ "$(wc -l <saved.gen)" -lt 108 ]; } && [ "$waited" -lt 50 ]; do
    sleep 0.1
    waited=$((waited + 1))
done
[ -f saved.gen ] || fail "Save in the child's window wrote no file saved.gen within 5 seconds"

lines=$(wc -l <saved.gen)
[ "$lines" -eq 108 ] || fail "the saved file has $lines lines, not 108"
crlf_lines=$(grep -c "$(printf '\r')\$" saved.gen)
[ "$crlf_lines" -eq 108 ] || fail "only $crlf_lines of the saved file's 108 lines end in CR LF"
[ "$(tail -c 2 saved.gen | od -An -c | tr -d ' ')" = '\r\n' ] || fail "the saved file does not end with CR LF"
head -n 9 parent.gen >parent0.txt
head -n 9 saved.gen >child0.txt
cmp -s parent0.txt child0.txt || fail "gene 0 of the child differs from the parent's (was Parent ticked?); parent|child:
$(paste -d '|' parent0.txt child0.txt | tr -d '\r')"
cmp -s parent.gen saved.gen || fail "the child's genetic code differs from its only parent's at rate 0:
$(diff parent.gen saved.gen | tr -d '\r' | head -n 20)"

# The child's trunk: straight up from (850,1600) twips in picDraw, 8 pixels wide, in gene 0's colour (red 30,
# green 160, blue 220), on picDraw's background, which is the window's; nothing is drawn beside it.
eval "$(xdotool getwindowgeometry --shell "$child")"
import -window root "$shot" || fail "could not take a screenshot"
left=$((X + $(px 1440)))
top=$((Y + $(px 120)))
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

# File > Exit with the access keys ends the program at once, with status 0.
focus "$main"
xdotool key --clearmodifiers alt+f || fail "could not press Alt+F in the main window"
xdotool key e || fail "could not press E in the File menu"
expect_ended_with_0 "File > Exit"

passed=yes
echo "breed_and_save: passed"
