#!/bin/sh
# A page of files written by vantrell-render --web and one of a run, each checked as its readers get it: tidy finds
# no error in it, every link and image resolves to a file in its folder, nothing comes from elsewhere, and a headless
# chromium shows every picture where it stands as its thumbnail is.
# Usage: web_page.sh VANTRELL_RENDER WEB_RUN_PAGE
set -eu
render=$1
run_page=$2
name=web_page
work=$(mktemp -d)
# What the pictures stand on: the background the pages are written with.
background='#efefef'
# CSS pixels; at two device pixels to one a 256 pixel thumbnail fills its 128 CSS pixels pixel for pixel. The
# screenshot is as high as the page.
window_width=1200
ratio=2

passed=no
finish() {
    if [ "$passed" = yes ]; then
        rm -rf "$work"
    else
        echo "$name: the working folder is kept: $work" >&2
    fi
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "$name: $*" >&2
    exit 1
}

chromium_at() {
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
        --disable-component-update --disable-sync --user-data-dir="$(mktemp -d "$work/profile.XXXXXX")" \
        --hide-scrollbars --force-device-scale-factor=$ratio --virtual-time-budget=10000 "$@" 2>>"$work/chromium.log"
}

# Every link and source of the page, and of its style sheet, is relative and names a file in the folder; no script.
check_links() {
    problems=$(
        python3 - "$1" <<'EOF'
import html.parser, os, re, sys, urllib.parse
folder = os.path.realpath(sys.argv[1])
problems = []
class Links(html.parser.HTMLParser):
    def handle_starttag(self, tag, attributes):
        if tag == "script":
            problems.append("a script")
        for key, value in attributes:
            if key in ("href", "src", "srcset", "action", "data", "poster") and value is not None:
                check(value)
def check(link):
    parts = urllib.parse.urlsplit(link)
    if parts.scheme or parts.netloc or link.startswith("/"):
        problems.append("not relative: " + link)
        return
    target = os.path.realpath(os.path.join(folder, urllib.parse.unquote(parts.path)))
    if not target.startswith(folder + os.sep) or not os.path.isfile(target):
        problems.append("no file in the folder: " + link)
page = open(os.path.join(folder, "index.html"), encoding="utf-8").read()
Links().feed(page)
if "/home/" in page:
    problems.append("an absolute path in the page")
for sheet in re.findall(r'<link rel="stylesheet" href="([^"]+)"', page):
    for link in re.findall(r'url\(([^)]*)\)|@import', open(os.path.join(folder, sheet), encoding="utf-8").read()):
        problems.append("the style sheet loads " + (link or "another"))
print("; ".join(problems))
sys.exit(1 if problems else 0)
EOF
    ) || fail "$1: $problems"
}

# tidy's exit status: 0 clean, 1 warnings (such as the loading attribute it does not know yet), 2 errors.
check_tidy() {
    status=0
    tidy -q -e "$1/index.html" >"$work/tidy.log" 2>&1 || status=$?
    [ "$status" -lt 2 ] || fail "$1: tidy finds errors: $(cat "$work/tidy.log")"
}

# Every image is shown where it stands, its pixels those of its thumbnail on the pictures' background.
check_shown() {
    folder=$1
    expected=$2
    # Where chromium lays each image out, from a copy of the page that says so.
    probe=$work/probe
    rm -rf "$probe"
    cp -r "$folder" "$probe"
    python3 - "$probe/index.html" <<'EOF'
import sys
page = open(sys.argv[1], encoding="utf-8").read()
script = """<script>addEventListener("load", () => { const out = document.createElement("pre"); out.id = "placed";
out.textContent = ["page " + document.documentElement.scrollHeight].concat([...document.images].map(i => {
const r = i.getBoundingClientRect();
return [r.left + scrollX, r.top + scrollY, r.width, r.height, i.naturalWidth, i.getAttribute("src")].join(" "); }))
.join("\\n"); document.body.append(out); });</script>"""
open(sys.argv[1], "w", encoding="utf-8").write(page.replace("</body>", script + "</body>"))
EOF
    chromium_at --window-size=$window_width,800 --dump-dom "file://$probe/index.html" >"$work/dom.html"
    sed -n '/<pre id="placed">/,/<\/pre>/p' "$work/dom.html" | sed 's/<[^>]*>//g' | grep . >"$work/placed" ||
        fail "$folder: chromium laid out nothing"
    page_height=$(sed -n 's/^page //p' "$work/placed")
    sed -i '/^page /d' "$work/placed"
    [ "$(wc -l <"$work/placed")" -eq "$expected" ] || fail "$folder: $(wc -l <"$work/placed") images, not $expected"

    chromium_at --window-size=$window_width,$page_height --screenshot="$work/shot.png" "file://$folder/index.html" >/dev/null
    [ -s "$work/shot.png" ] || fail "$folder: chromium took no screenshot: $(tail -5 "$work/chromium.log")"
    while read -r left top shown_width shown_height natural src; do
        case "$left $top" in
        *.*) fail "$folder: $src stands at $left, $top, between the screen's pixels" ;;
        esac
        [ "$shown_width" = 128 ] && [ "$shown_height" = 128 ] && [ "$natural" = 256 ] ||
            fail "$folder: $src shows ${shown_width}x$shown_height of ${natural} pixels"
        src=$(python3 -c 'import sys, urllib.parse; print(urllib.parse.unquote(sys.argv[1]))' "$src")
        geometry=256x256+$((left * ratio))+$((top * ratio))
        convert "$work/shot.png" -crop "$geometry" +repage "$work/shown.png"
        convert "$folder/$src" -background "$background" -flatten "$work/thumbnail.png"
        # Pixels that differ beyond the rounding of compositing; a picture not shown differs in thousands.
        differing=$(compare -metric AE -fuzz 3% "$work/shown.png" "$work/thumbnail.png" null: 2>&1 || true)
        [ "${differing%%.*}" -le 64 ] 2>/dev/null || fail "$folder: $src differs from its thumbnail in $differing pixels"
    done <"$work/placed"
}

check_page() {
    check_tidy "$1"
    check_links "$1"
    check_shown "$1" "$2"
}

"$run_page" "$work/run" "$work/codes" || fail "web_run_page failed"
check_page "$work/run" 7

"$render" --web "$work/files" --background "$background" "$work/codes"/*.gen || fail "vantrell-render --web failed"
check_page "$work/files" 7

passed=yes
