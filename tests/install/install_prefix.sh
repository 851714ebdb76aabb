#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop and its user find there.
# Usage: install_prefix.sh BUILD_FOLDER
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for path in bin/vantrell bin/vantrell-render; do
    [ -x "$prefix/$path" ] || fail "$path was not installed as a program"
done
for path in share/applications/org.example.Vantrell.desktop share/metainfo/org.example.Vantrell.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.example.Vantrell.svg share/man/man1/vantrell.1 \
    share/man/man1/vantrell-render.1 share/doc/vantrell/LICENSE share/doc/vantrell/README.md; do
    [ -f "$prefix/$path" ] || fail "$path was not installed"
done
for size in 48 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/org.example.Vantrell.png
    file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "$(file "$icon")"
done
file "$prefix/share/icons/hicolor/scalable/apps/org.example.Vantrell.svg" | grep -q "SVG" || fail "the SVG icon"

# The launcher: valid (hints allowed: the two main categories are wanted), naming the installed program.
desktop=$prefix/share/applications/org.example.Vantrell.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
if echo "$report" | grep -E "error|warning"; then
    fail "desktop-file-validate: $report"
fi
grep -qx "Exec=$prefix/bin/vantrell" "$desktop" || fail "the launcher does not start $prefix/bin/vantrell"
grep -qx "Icon=org.example.Vantrell" "$desktop" || fail "the launcher has another icon"

appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Vantrell.metainfo.xml" ||
    fail "appstreamcli validate"

for page in vantrell vantrell-render; do
    file=$prefix/share/man/man1/$page.1
    warnings=$(groff -ww -man -Tutf8 -z "$file" 2>&1)
    [ -z "$warnings" ] || fail "groff warns about $page(1): $warnings"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page(1): $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$file" | grep -q "^NAME" || fail "$page(1) has no NAME"
done

# The installed renderer draws files.
work=$prefix/work
"$prefix/bin/vantrell-render" --random 2 --seed 3 -d "$work" --sheet "$work/sheet.pdf" || fail "vantrell-render failed"
file "$work/random-0001.png" | grep -q "PNG image data, 113 x 105" || fail "$(file "$work/random-0001.png")"
file "$work/sheet.pdf" | grep -q "PDF document" || fail "$(file "$work/sheet.pdf")"
"$prefix/bin/vantrell-render" -s 8 -o "$work/big.png" "$work/random-0002.gen" || fail "vantrell-render -s 8 failed"
file "$work/big.png" | grep -q "PNG image data, 904 x 840" || fail "$(file "$work/big.png")"

# What the launcher starts runs on a display until it is closed.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
status=0
XDG_DATA_HOME=$prefix/data QT_QPA_PLATFORM=xcb xvfb-run -a timeout 3 "$exec_line" || status=$?
[ "$status" -eq 124 ] || fail "the launcher's program ended by itself with status $status"

echo "Installed into a prefix, validated, and run"
