#!/bin/sh
# The Breed window on a real X server: Ctrl+B with the trunk's picture ticked shows its cells drawn, the parent in
# cell 1; a double click on that cell breeds the next generation; Alt+Left shows the first one again. What the window
# shows is read from the screen, which generation it shows from the run's journal.
# Usage: sh breed_window.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
set -u
program=$(realpath "$1")
name=breed_window
work=$(mktemp -d)
shot=$work/screen.png
. "$(dirname "$0")/lib/x11.sh"

# The trunks in the trunk's colour in window $1, as tall as a cell nearly, one a line as "LEFT TOP WIDTH HEIGHT" on
# the screen, the one nearest the top left first.
trunks_in() {
    import -window root "$shot" || fail "could not take a screenshot"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -fill black -opaque "$trunk_colour" \
        -fill white +opaque black -define connected-components:verbose=true -connected-components 8 null: |
        awk -v x="$X" -v y="$Y" '$NF ~ /gray\(0\)|srgb\(0,0,0\)/ {
            split($2, box, /[x+]/); if (box[2] >= 80) print box[3] + box[4], box[3] + x, box[4] + y, box[1], box[2] }' |
        sort -n | cut -d ' ' -f 2-
}

# The records of the run's journal that are of event $1.
journal_records() {
    cat "$XDG_DATA_HOME"/vantrell/runs/*.jsonl 2>/dev/null | grep -F "\"event\":\"$1\""
}

# Waits up to 5 seconds for the journal to hold $2 records of event $1.
wait_for_records() {
    waited=0
    while [ "$(journal_records "$1" | wc -l)" -lt "$2" ] && [ "$waited" -lt 50 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    [ "$(journal_records "$1" | wc -l)" -eq "$2" ] ||
        fail "the journal holds $(journal_records "$1" | wc -l) records \"$1\", not $2"
}

cd "$work" || fail "cannot enter $work"
start_with_trunk_picture
focus "$picture"
click_control "$picture" 0 1 240 1200 1095 375

focus "$main"
xdotool key --clearmodifiers ctrl+b || fail "could not press Ctrl+B"
breed=$(window_titled Breed)
[ -n "$breed" ] || fail "Ctrl+B showed no window \"Breed\""
xdotool windowmove --sync "$breed" 0 0 || fail "could not move the Breed window"
xdotool windowsize --sync "$breed" 900 700 || fail "could not size the Breed window"
wait_for_records generation 1
sleep 1

# The cells hold trunks (offspring of a trunk at rate 0.1 mostly keep its colour); the parent's is cell 1's, at the
# top left.
trunks_in "$breed" >trunks
[ "$(wc -l <trunks)" -ge 4 ] || fail "the first generation shows $(wc -l <trunks) trunks, not 4 or more; screenshot $shot"
read -r left top width height <trunks
eval "$(xdotool getwindowgeometry --shell "$breed")"
[ "$left" -lt $((X + WIDTH / 4)) ] && [ "$top" -lt $((Y + HEIGHT / 4)) ] ||
    fail "no trunk in cell 1: the first is at $left,$top in the window at $X,$Y; screenshot $shot"

# A double click on the parent breeds the second generation from it.
xdotool mousemove --sync $((left + width / 2)) $((top + height / 2)) click --repeat 2 --delay 80 1 ||
    fail "could not double click cell 1"
wait_for_records generation 2

# Alt+Left shows the first generation again, drawn again.
focus "$breed"
xdotool key --clearmodifiers alt+Left || fail "could not press Alt+Left"
wait_for_records "generation shown" 1
journal_records "generation shown" | grep -q '"index":0' ||
    fail "Alt+Left showed another generation than the first: $(journal_records "generation shown")"
sleep 1
trunks_in "$breed" >trunks
[ "$(wc -l <trunks)" -ge 4 ] || fail "the first generation, shown again, has $(wc -l <trunks) trunks; screenshot $shot"

focus "$main"
xdotool key --clearmodifiers alt+f || fail "could not press Alt+F in the main window"
xdotool key e || fail "could not press E in the File menu"
expect_ended_with_0 "File > Exit"

passed=yes
echo "$name: passed"
