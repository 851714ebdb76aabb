#!/bin/sh
# Builds the Debian package from the build folder and checks its paths and dependencies.
# Usage: debian_package.sh BUILD_FOLDER
. "$(dirname "$0")/lib/install.sh"
build=$1
out=$scratch

(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack -G DEB"
deb=$(ls "$out"/vantrell_*_*.deb)

echo "Paths in $(basename "$deb"):"
paths=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
echo "$paths"
for file in $installed_files; do
    echo "$paths" | grep -qx "./usr/$file" || fail "./usr/$file is not in the package"
done
if echo "$paths" | grep -q "^./usr/local/"; then
    fail "the package installs under /usr/local"
fi

# The libraries come from shlibdeps, the platform plugins by name.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6gui6 libqt6svg6 libqt6widgets6 libwebp7 libwebpmux3 libgif7 libc6 \
    qt6-qpa-plugins; do
    echo "$depends" | grep -q "$library" || fail "the package does not depend on $library"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/org.example.Vantrell.desktop |
    grep -qx "Exec=/usr/bin/vantrell %F" || fail "the packaged launcher does not start /usr/bin/vantrell"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/thumbnailers/org.example.Vantrell.thumbnailer |
    grep -qx "Exec=/usr/bin/vantrell-render --thumbnail %s %i %o" ||
    fail "the packaged thumbnailer does not run /usr/bin/vantrell-render"

# The desktop's own triggers take in the file type and the launcher: the package has no script of its own.
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v -x -e ./ -e ./control -e ./md5sums || true)
[ -z "$scripts" ] || fail "the package has scripts: $scripts"
