#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop and its user find there.
# Usage: install_prefix.sh BUILD_FOLDER
. "$(dirname "$0")/lib/install.sh"
build=$1
prefix=$scratch

cmake --install "$build" --prefix "$prefix" >/dev/null

for path in $installed_files; do
    [ -f "$prefix/$path" ] || fail "$path was not installed"
done
for path in bin/vantrell bin/vantrell-render; do
    [ -x "$prefix/$path" ] || fail "$path was not installed as a program"
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
grep -qx "Exec=$prefix/bin/vantrell %F" "$desktop" || fail "the launcher does not start $prefix/bin/vantrell with files"
grep -qx "Icon=org.example.Vantrell" "$desktop" || fail "the launcher has another icon"
grep -qx "MimeType=application/x-vantrell-genetic-code;" "$desktop" || fail "the launcher does not take genetic codes"

# The file type: valid against the DTD of shared-mime-info's own database, and taken into a database.
sed -n '/^<!DOCTYPE mime-info \[/,/^\]>/p' /usr/share/mime/packages/freedesktop.org.xml | sed '1d;$d' >"$prefix/mime.dtd"
xmllint --noout --dtdvalid "$prefix/mime.dtd" "$prefix/share/mime/packages/org.example.Vantrell.xml" ||
    fail "the MIME type does not follow the DTD"
XDG_DATA_DIRS=$prefix/share:/usr/share update-mime-database "$prefix/share/mime" || fail "update-mime-database"
grep -q "^50:application/x-vantrell-genetic-code:\*\.gen$" "$prefix/share/mime/globs2" || fail "no *.gen in the database"

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

# The thumbnailer's Exec line, run as a file manager runs it: split at blanks, the size, input and output put in,
# without a display, a writable home or (where the system lets a test take it away) a network.
thumbnailer=$(sed -n 's/^Exec=//p' "$prefix/share/thumbnailers/org.example.Vantrell.thumbnailer")
sandbox=""
unshare --net true 2>/dev/null && sandbox="unshare --net"
thumbnail() {
    # shellcheck disable=SC2046,SC2086
    env -i PATH=/usr/bin:/bin HOME=/nonexistent $sandbox $(echo "$thumbnailer" | sed "s|%s|$1|; s|%i|$2|; s|%o|$3|")
}
thumbnail 128 "$work/random-0002.gen" "$work/thumbnail.png" || fail "the thumbnailer failed"
file "$work/thumbnail.png" | grep -q "PNG image data, 128 x 128, 8-bit/color RGBA" || fail "$(file "$work/thumbnail.png")"
[ "$(convert "$work/thumbnail.png" -crop 1x1+0+0 -format "%[fx:a]" info:)" = 0 ] || fail "an opaque thumbnail"
printf 'not a genetic code\r\n' >"$work/damaged.gen"
status=0
thumbnail 128 "$work/damaged.gen" "$work/damaged.png" 2>/dev/null || status=$?
[ "$status" -eq 1 ] && [ ! -e "$work/damaged.png" ] || fail "the thumbnailer of a damaged file ended with $status"

# What the launcher starts, given a file as a file manager gives it, runs on a display until it is closed.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed "s| %F$| $work/random-0001.gen|")
status=0
# shellcheck disable=SC2086
XDG_DATA_HOME=$prefix/data XDG_CONFIG_HOME=$prefix/config QT_QPA_PLATFORM=xcb xvfb-run -a timeout 3 $exec_line ||
    status=$?
[ "$status" -eq 124 ] || fail "the launcher's program ended by itself with status $status"

echo "Installed into a prefix, validated, and run"
