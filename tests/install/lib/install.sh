# Shared by the install tests, which source it: how they fail, the folder they install or package into, which goes
# when they end, and the files an install puts in place.
set -eu

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Every file an install puts in place, below its prefix.
installed_files="bin/vantrell bin/vantrell-render share/applications/org.example.Vantrell.desktop
    share/metainfo/org.example.Vantrell.metainfo.xml share/icons/hicolor/scalable/apps/org.example.Vantrell.svg
    share/icons/hicolor/48x48/apps/org.example.Vantrell.png share/icons/hicolor/128x128/apps/org.example.Vantrell.png
    share/icons/hicolor/256x256/apps/org.example.Vantrell.png share/man/man1/vantrell.1
    share/man/man1/vantrell-render.1 share/doc/vantrell/LICENSE share/doc/vantrell/README.md
    share/mime/packages/org.example.Vantrell.xml share/thumbnailers/org.example.Vantrell.thumbnailer"
