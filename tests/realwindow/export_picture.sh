#!/bin/sh
# Exports a picture on a real X server, as a user would: a right click on the drawing, Export Picture...
# from the menu, Enter in the dialog; then checks the PNG file: its size, its trunk and nothing left beside it.
# Usage: sh export_picture.sh PATH_TO_vantrell (run on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"
pixels=$work/pixels.txt

# Rate 0 and the file's name, then Open: the picture is read from the file.
start_with_trunk_picture
move_window "$picture" 300 0

# A right click on the drawing opens its menu; E chooses "&Export Picture...". The menu has no title to wait
# for, so a slow start is given two more tries.
dialog=""
for attempt in 1 2 3; do
    focus "$picture"
    click_control "$picture" 0 3 1440 120 1695 1575
    sleep $((attempt - 1)).5
    xdotool key e || fail "could not press E in the drawing's menu"
    dialog=$(window_titled "Export Picture")
    [ -n "$dialog" ] && break
    xdotool key Escape
done
[ -n "$dialog" ] || fail "Export Picture... from the drawing's menu showed no dialog \"Export Picture\""

# The file box has the focus and names picture-0.png in the current folder; Enter exports.
focus "$dialog"
xdotool key Return || fail "could not press Enter in the Export Picture dialog"
wait_until 5 test -s picture-0.png ||
    fail "Enter in the Export Picture dialog wrote no picture-0.png within 5 seconds"
wait_until 5 window_gone "Export Picture" ||
    fail "the Export Picture dialog was still open 5 seconds after the export"

# The journal goes into data, and the export's settings into config as soon as they change.
left=$(ls -A | grep -v -x -e trunk.gen -e picture-0.png -e program.log -e pid -e status.part -e status -e data -e config)
[ -z "$left" ] || fail "the export left other files behind: $left"
size=$(identify -format '%m %w %h' picture-0.png) || fail "picture-0.png does not read as an image"
[ "$size" = "PNG 452 420" ] || fail "picture-0.png is \"$size\", not a PNG of 452 x 420 pixels (scale 4)"

# At scale 4 the trunk runs up the middle, 32 pixels wide, from the bottom to 500 twips up, in gene 0's
# colour (red 30, green 160, blue 220); beside it and above it is the drawing's background.
convert picture-0.png -depth 8 txt:- >"$pixels" || fail "could not read the pixels of picture-0.png"
# The colour of pixel $1,$2 of the exported picture.
exported_pixel() {
    grep "^$1,$2:" "$pixels" | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1
}
trunk=$(px $((850 * 4)))
for y_twips in 1150 1350 1550; do
    y=$(px $((y_twips * 4)))
    colour=$(exported_pixel "$trunk" "$y")
    [ "$colour" = "$trunk_colour" ] ||
        fail "the trunk's pixel $trunk,$y of picture-0.png is $colour, not $trunk_colour"
done
background=$(exported_pixel 10 10)
[ "$background" != "$trunk_colour" ] || fail "the corner of picture-0.png is in the trunk's colour"
for at in "$((trunk - 40)) $(px $((1350 * 4)))" "$trunk $(px $((900 * 4)))"; do
    # shellcheck disable=SC2086
    colour=$(exported_pixel $at)
    [ "$colour" = "$background" ] || fail "pixel $at of picture-0.png is $colour, not the background $background"
done

exit_through_file_menu
