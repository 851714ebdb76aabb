# Shared by the real-window tests, which source it: driving the program's windows on an X server with xdotool.
# The sourcing script sets $name (its name in messages) and $work (its working folder) first.

# The program keeps its journals and settings under the working folder, never in the user's own folders.
XDG_DATA_HOME=$work/data
XDG_CONFIG_HOME=$work/config
export XDG_DATA_HOME XDG_CONFIG_HOME

fail() {
    echo "$name: $*" >&2
    if [ -s "$work/program.log" ]; then
        echo "$name: the program's output:" >&2
        cat "$work/program.log" >&2
    fi
    echo "$name: the working folder is kept: $work" >&2
    exit 1
}

# On any exit the program still running is stopped; the working folder goes only when the test passed.
passed=no
finish() {
    if [ -s "$work/pid" ] && [ ! -e "$work/status" ]; then
        kill "$(cat "$work/pid")" 2>/dev/null
    fi
    if [ "$passed" = yes ]; then
        rm -rf "$work"
    fi
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

# Twips to pixels, rounded as the program rounds its layouts.
px() {
    echo $((($1 + 7) / 15))
}

# Prints the X window whose title is exactly $1, waiting up to 10 seconds for it to be mapped.
window_titled() {
    timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

focus() {
    xdotool windowfocus --sync "$1" || fail "could not give window $1 the keyboard focus"
}

# Clicks button $3 at the middle of a control laid out at LEFT TOP WIDTH HEIGHT twips ($4..$7) in a client area
# that starts $2 pixels below the top of window $1.
click_control() {
    xdotool mousemove --sync --window "$1" $(($(px "$4") + $(px "$6") / 2)) $(($2 + $(px "$5") + $(px "$7") / 2)) \
        click "$3" || fail "could not click window $1 at twips ($4,$5)"
}

# Replaces the text of the box at LEFT TOP WIDTH HEIGHT twips (client area $2 pixels down window $1) by $7.
type_into() {
    click_control "$1" "$2" 1 "$3" "$4" "$5" "$6"
    xdotool key --clearmodifiers ctrl+a || fail "could not select the text of a box in window $1"
    xdotool type --delay 30 "$7" || fail "could not type \"$7\" into window $1"
}

# Writes $1, a genetic code file whose trunk is all that is drawn: gene 0 500 twips up, 8 pixels wide, in a
# colour nothing else uses (red 30, green 160, blue 220: #1EA0DC); gene 1 done. The other genes are valid values
# written as the program writes them.
trunk_colour='#1EA0DC'
write_trunk_file() {
    {
        printf '%s\r\n' 0.25 220 160 30 False True 500 8 ""
        printf '%s\r\n' 0.5 0 255 0 True True 300 4 ""
        gene=2
        while [ "$gene" -le 11 ]; do
            printf '%s\r\n' "0.$gene" $((gene * 20)) $((250 - gene * 20)) $((gene * 10)) False True \
                $((100 + gene * 50)) 2 ""
            gene=$((gene + 1))
        done
    } >"$1"
    [ "$(wc -l <"$1")" -eq 108 ] || fail "the genetic code file $1 written by the test does not have 108 lines"
}

# Starts the program with the arguments given; its process ID lands in $work/pid and, once it has ended, its status
# in $work/status.
start_program() {
    rm -f "$work/pid" "$work/status"
    (
        QT_QPA_PLATFORM=xcb "$program" "$@" >>"$work/program.log" 2>&1 &
        echo $! >"$work/pid"
        wait $!
        echo $? >"$work/status.part"
        mv "$work/status.part" "$work/status"
    ) 2>/dev/null &
    waited=0
    while [ ! -s "$work/pid" ] && [ "$waited" -lt 50 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
}

# Waits up to 5 seconds for the program to end; fails saying it was still running after $1.
wait_for_end() {
    waited=0
    while [ ! -e "$work/status" ] && [ "$waited" -lt 50 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    [ -e "$work/status" ] || fail "the program was still running 5 seconds after $1"
}

# Waits up to 5 seconds for the program to end, then checks that it ended with status 0.
expect_ended_with_0() {
    wait_for_end "$1"
    [ "$(cat "$work/status")" -eq 0 ] || fail "the program ended with status $(cat "$work/status"), not 0"
}

# The main window, and in $menu the height of its menu bar above the client area.
main_window() {
    main=$(window_titled Main)
    [ -n "$main" ] || fail "the main window \"Main\" did not appear within 10 seconds"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    menu=$((HEIGHT - $(px 1140)))
    [ "$menu" -gt 0 ] || fail "the main window is $HEIGHT pixels high: no menu bar above its client area"
}

# Types rate 0 and the file name $1 into the main window and presses Open: the picture is read from the file.
open_at_rate_0() {
    focus "$main"
    type_into "$main" "$menu" 1200 120 1455 375 0
    type_into "$main" "$menu" 1200 600 1455 375 "$1"
    click_control "$main" "$menu" 1 120 600 975 375
}

# Starts the program in the current folder and opens the trunk's file as picture 0, whose window is $picture.
start_with_trunk_picture() {
    write_trunk_file trunk.gen
    start_program
    main_window
    open_at_rate_0 trunk.gen
    picture=$(window_titled 0)
    [ -n "$picture" ] || fail "Open with the file's name showed no picture window \"0\""
}

# Chooses the item with access key $1 in the main window's Pictures menu.
pictures_menu() {
    focus "$main"
    xdotool key --clearmodifiers alt+p || fail "could not press Alt+P"
    sleep 0.3
    xdotool key "$1" || fail "could not press $1 in the Pictures menu"
}

# The colour of screen pixel $1,$2 in the screenshot $shot, as #RRGGBB.
pixel() {
    convert "$shot" -crop "1x1+$1+$2" +repage -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1
}
