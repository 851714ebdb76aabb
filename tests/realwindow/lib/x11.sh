# Shared by the real-window tests, which source it and begin with begin_test: driving the program's windows on an X
# server with xdotool.

# Starts the test with the program at path $1: the test is named after its script, works in a folder of its own,
# which is the current folder, and takes its screenshots into $shot there.
begin_test() {
    set -u
    program=$(realpath "$1")
    name=$(basename "$0" .sh)
    work=$(mktemp -d)
    shot=$work/screen.png
    # The program keeps its journals and settings under the working folder, never in the user's own folders.
    XDG_DATA_HOME=$work/data
    XDG_CONFIG_HOME=$work/config
    export XDG_DATA_HOME XDG_CONFIG_HOME
    trap finish EXIT
    trap 'exit 1' INT TERM HUP
    cd "$work" || fail "cannot enter $work"
}

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

# Ends the test as passed: its working folder goes.
pass() {
    passed=yes
    echo "$name: passed"
}

# Waits up to $1 seconds for the command that follows to succeed; the status is the command's at the end.
wait_until() {
    tenths=$(($1 * 10))
    shift
    waited=0
    until "$@"; do
        [ "$waited" -lt "$tenths" ] || return 1
        sleep 0.1
        waited=$((waited + 1))
    done
}

# Whether the number the command after $1 prints is $1 or more.
at_least() {
    least=$1
    shift
    [ "$("$@")" -ge "$least" ] 2>/dev/null
}

# Whether no window titled $1 is shown.
window_gone() {
    ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

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

# Windows open where the server puts them, over the main window: this puts window $1 at screen position $2,$3.
move_window() {
    xdotool windowmove --sync "$1" "$2" "$3" || fail "could not move window $1 to $2,$3"
}

# Presses key $2 in window $1 and sets $shown to the window titled $3 that it must show.
press_for_window() {
    focus "$1"
    xdotool key --clearmodifiers "$2" || fail "could not press $2"
    shown=$(window_titled "$3")
    [ -n "$shown" ] || fail "$2 showed no window \"$3\""
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
# written as the program writes them, so that the program saves the same code as the same bytes.
trunk_colour='#1EA0DC'
write_trunk_file() {
    {
        printf '%s\r\n' 0.25 220 160 30 False True 500 8 ""
        printf '%s\r\n' 0.5 0 255 0 True True 300 4 ""
        gene=2
        while [ "$gene" -le 11 ]; do
            draw=False
            [ $((gene % 2)) = 0 ] && draw=True
            # Angle, blue, green, red, Done, Draw, length, width, the empty line.
            printf '%s\r\n' "$((gene / 10)).$((gene % 10))5" $((gene * 20)) $((250 - gene * 20)) $((gene * 10)) False \
                $draw $((100 + gene * 50)) $((gene + 1)) ""
            gene=$((gene + 1))
        done
    } >"$1"
    [ "$(wc -l <"$1")" -eq 108 ] || fail "the genetic code file $1 written by the test does not have 108 lines"
}

# Starts the program with the arguments given and waits for its main window, $main (see main_window); its process ID
# lands in $work/pid and, once it has ended, its status in $work/status.
start_program() {
    rm -f "$work/pid" "$work/status"
    (
        QT_QPA_PLATFORM=xcb "$program" "$@" >>"$work/program.log" 2>&1 &
        echo $! >"$work/pid"
        wait $!
        echo $? >"$work/status.part"
        mv "$work/status.part" "$work/status"
    ) 2>/dev/null &
    wait_until 5 test -s "$work/pid"
    main_window
}

# Waits up to 5 seconds for the program to end; fails saying it was still running after $1.
wait_for_end() {
    wait_until 5 test -e "$work/status" || fail "the program was still running 5 seconds after $1"
}

# Waits up to 5 seconds for the program to end, then checks that it ended with status 0.
expect_ended_with_0() {
    wait_for_end "$1"
    [ "$(cat "$work/status")" -eq 0 ] || fail "the program ended with status $(cat "$work/status"), not 0"
}

# Chooses File > Exit with its access keys in the main window.
choose_file_exit() {
    focus "$main"
    xdotool key --clearmodifiers alt+f || fail "could not press Alt+F in the main window"
    xdotool key e || fail "could not press E in the File menu"
}

# Ends the test through File > Exit: the program must end at once, with status 0.
exit_through_file_menu() {
    choose_file_exit
    expect_ended_with_0 "File > Exit"
    pass
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

# Ticks the Parent box of picture window $1.
tick_parent() {
    focus "$1"
    click_control "$1" 0 1 240 1200 1095 375
}

# Starts the program in the current folder and opens the trunk's file as picture 0, whose window is $picture.
start_with_trunk_picture() {
    write_trunk_file trunk.gen
    start_program
    open_at_rate_0 trunk.gen
    picture=$(window_titled 0)
    [ -n "$picture" ] || fail "Open with the file's name showed no picture window \"0\""
}

# Chooses the item with access key $1 in the main window's Pictures menu, which must show the window titled $2.
pictures_menu() {
    focus "$main"
    xdotool key --clearmodifiers alt+p || fail "could not press Alt+P"
    sleep 0.3
    xdotool key "$1" || fail "could not press $1 in the Pictures menu"
    [ -n "$(window_titled "$2")" ] || fail "the Pictures menu's $1 showed no window \"$2\""
}

# The colour of screen pixel $1,$2 in the screenshot $shot, as #RRGGBB.
pixel() {
    convert "$shot" -crop "1x1+$1+$2" +repage -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1
}

# Shows picture window $1 at screen position $2,$3, where nothing covers it, takes the screenshot $shot, and sets
# $left and $top to where its drawing (picDraw) starts on the screen.
screenshot_picture() {
    move_window "$1" "$2" "$3"
    xdotool windowraise "$1" || fail "could not raise window $1"
    focus "$1"
    sleep 0.3
    import -window root "$shot" || fail "could not take a screenshot"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    left=$((X + $(px 1440)))
    top=$((Y + $(px 120)))
}

# The colour of the trunk $1 twips down the drawing of the picture last screenshot_picture took: the trunk stands
# 850 twips across it.
trunk_pixel() {
    pixel $((left + $(px 850))) $((top + $(px "$1")))
}
