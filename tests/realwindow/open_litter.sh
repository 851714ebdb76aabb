#!/bin/sh
# A litter on a real X server, as a user asks for it with the keyboard: Alt+P, L, Enter opens nine picture
# windows, none of them overlapping another or the main window.
# Usage: sh open_litter.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"

# "X Y WIDTH HEIGHT" of window $1 on the screen.
geometry_of() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

start_program
pictures_menu l "Open Litter"
xdotool key Return || fail "could not press Enter in the Open Litter box"

geometry_of "$main" >geometries
id=0
while [ "$id" -lt 9 ]; do
    picture=$(window_titled "$id")
    [ -n "$picture" ] || fail "the litter showed no picture window \"$id\""
    geometry_of "$picture" >>geometries
    id=$((id + 1))
done
[ -z "$(xdotool search --onlyvisible --name '^9$' 2>/dev/null)" ] || fail "the litter opened more than nine pictures"

# Every pair of the ten rectangles (main window first) must be apart.
overlaps=$(awk '{ x[NR] = $1; y[NR] = $2; w[NR] = $3; h[NR] = $4 }
END {
    for (i = 1; i <= NR; i++)
        for (j = i + 1; j <= NR; j++)
            if (x[i] < x[j] + w[j] && x[j] < x[i] + w[i] && y[i] < y[j] + h[j] && y[j] < y[i] + h[i])
                printf "%d and %d; ", i - 1, j - 1
}' geometries)
[ -z "$overlaps" ] || fail "windows overlap (0 is the main window, n + 1 picture n): $overlaps
$(cat geometries)"

pass
