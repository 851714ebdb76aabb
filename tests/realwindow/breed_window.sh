#!/bin/sh
# The Breed window on a real X server: Ctrl+B with the trunk's picture ticked shows its cells drawn, the parent in
# cell 1; a double click on that cell breeds the next generation; Alt+Left shows the first one again. What the window
# shows is read from the screen, which generation it shows from the run's journal.
# Usage: sh breed_window.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"

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

# How many records of event $1 the run's journal holds.
records_of() {
    journal_records "$1" | wc -l
}

# Waits up to 5 seconds for the journal to hold $2 records of event $1.
wait_for_records() {
    wait_until 5 at_least "$2" records_of "$1"
    [ "$(records_of "$1")" -eq "$2" ] || fail "the journal holds $(records_of "$1") records \"$1\", not $2"
}

start_with_trunk_picture
tick_parent "$picture"

press_for_window "$main" ctrl+b Breed
breed=$shown
move_window "$breed" 0 0
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

exit_through_file_menu
