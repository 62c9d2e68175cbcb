#!/bin/sh
# The game in a folder whose name means something to a shell. Opening the help page
# must hand the desktop's opener exactly one argument naming the page, and nothing in
# that name may be run. The settings file must land in the same folder.
set -eu
probe="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
game="$work/a b;\$(touch PWNED) \`touch PWNED\` 'q\"&|*"
mkdir -p "$game/help" "$work/bin"
cp "$probe" "$game/tarvik"
echo '<html></html>' > "$game/help/index.html"

# Stands in for xdg-open: notes its arguments, one per line, and their count.
cat > "$work/bin/xdg-open" <<'OPENER'
#!/bin/sh
{ echo "$#"; for a in "$@"; do echo "$a"; done; } > "$OPENED"
OPENER
chmod +x "$work/bin/xdg-open"

cd "$work"
OPENED="$work/opened" PATH="$work/bin:$PATH" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$game/tarvik" > "$work/boxes"
cat "$work/boxes"

# The opener is started detached: give it a moment.
for _ in 1 2 3 4 5 6 7 8 9 10; do [ -s "$work/opened" ] && break; sleep 0.2; done
[ -s "$work/opened" ] || { echo "the opener was not started"; exit 1; }
[ "$(head -n 1 "$work/opened")" = 1 ] || { echo "the opener got $(head -n 1 "$work/opened") arguments"; exit 1; }
url=$(sed -n 2p "$work/opened")
opened=$(python3 -c 'import sys, urllib.parse as u; p = u.urlparse(sys.argv[1]); print(p.scheme + ":" + u.unquote(p.path))' "$url")
[ "$opened" = "file:$game/help/index.html" ] || { echo "opened $url"; exit 1; }
if [ -n "$(find "$work" -name PWNED)" ] || [ -e /PWNED ]; then
    echo "part of the folder name was run"; exit 1
fi
! grep -q "Failed" "$work/boxes" || { echo "the page was not opened"; exit 1; }
[ -f "$game/settings.ini" ] || { echo "settings.ini was not saved beside the program"; exit 1; }
echo "opened $url"
