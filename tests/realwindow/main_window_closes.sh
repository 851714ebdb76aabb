#!/bin/sh
# The real program on an X server: closing the main window or File > Exit ends it at once with status 0,
# also while dialogs and picture windows are open; closing a dialog or a picture window does not.
# Usage: sh main_window_closes.sh PATH_TO_vantrell (on its own X server, for instance under xvfb-run).
. "$(dirname "$0")/lib/x11.sh"
begin_test "$1"

# Asks the window to close, as a window manager does when its close box is clicked.
close_window()
{
    python3 - "$1" <<'PY' || fail "could not send the close request"
import ctypes
import sys

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no display")
window = int(sys.argv[1])
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
PY
}

# Types keys into the window, which first takes the keyboard focus (there is no window manager to give it).
keys()
{
    focus "$1"
    shift
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}

expect_running()
{
    sleep 1
    [ ! -e "$work/status" ] || fail "$1: the program ended"
}

# The program must end within 5 seconds, with status 0.
expect_ended()
{
    expect_ended_with_0 "$1"
    echo "ok: $1"
}

start_program
close_window "$main"
expect_ended "closing the main window ends the program"

start_program
choose_file_exit
expect_ended "File > Exit ends the program"

start_program
keys "$main" alt+i l
license=$(window_titled License)
[ -n "$license" ] || fail "Info > License showed no window titled License"
keys "$main" alt+i i
[ -n "$(window_titled Info)" ] || fail "Info > Info showed no window titled Info"
close_window "$license"
expect_running "closing a dialog"
close_window "$main"
expect_ended "closing the main window with a dialog open ends the program"

start_program
keys "$main" Tab space
picture=$(window_titled 0)
[ -n "$picture" ] || fail "Open showed no picture window titled 0"
# The focus stayed on the Open button.
keys "$main" space
[ -n "$(window_titled 1)" ] || fail "a second Open showed no picture window titled 1"
close_window "$picture"
expect_running "closing a picture window"
choose_file_exit
expect_ended "File > Exit with a picture window open ends the program"
pass
