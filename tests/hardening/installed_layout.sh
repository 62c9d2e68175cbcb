#!/bin/sh
# Installs the build into a fresh prefix with an awkward name, checks the layout the
# desktop expects, runs Debian's validators and starts the game through its link.
# Usage: installed_layout.sh BUILD_DIR MARK (the file that marks a system-wide game)
set -eu
build="$1"
mark="$2"
id=org.tarvik.Tarvik
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/pre fix;\$(touch PWNED)"
fail() { echo "$*"; exit 1; }

install_as() {
    HOME="$1" cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; exit 1; }
}

# A prefix outside the installing user's home is one for the whole machine; one inside
# it is the user's own, and installing there again drops the mark.
game="$prefix/lib/tarvik"
install_as /root-of-someone-else
[ -f "$game/$mark" ] || fail "no $mark in a prefix outside the home"
install_as "$work"
[ ! -e "$game/$mark" ] || fail "$mark in a prefix inside the home"
[ -x "$game/tarvik" ] && [ -f "$game/tarvik" ] || fail "no program in lib/tarvik"
for name in title start retry clear gameover hattrick; do
    [ -s "$game/sound/$name.wav" ] || fail "no sound/$name.wav"
done
for page in index.html de/index.html fr/index.html es/index.html style.css tiles.png; do
    [ -s "$game/help/$page" ] || fail "no help/$page"
done
stray=$(find "$game" -iname '*cmake*')
[ -z "$stray" ] || fail "build files installed: $stray"
[ -L "$prefix/bin/tarvik" ] && [ "$(readlink "$prefix/bin/tarvik")" = ../lib/tarvik/tarvik ] \
    || fail "bin/tarvik is not a link to ../lib/tarvik/tarvik"
[ ! -e "$game/settings.ini" ] || fail "a settings file was installed"

desktop="$prefix/share/applications/$id.desktop"
grep -qx "Exec=tarvik" "$desktop" || fail "the desktop entry does not start tarvik"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
    [ "$(python3 -c 'import struct, sys; print("%dx%d" % struct.unpack(">II", open(sys.argv[1], "rb").read()[16:24]))' "$icon")" \
        = "${size}x$size" ] || fail "icon $size is missing or not ${size}x$size"
done
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo names no launcher"
grep -q "docs/screenshot.png</image>" "$metainfo" || fail "metainfo has no screenshot"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

# Started by name through bin/, from elsewhere: the game finds its folder behind the
# link. It takes no command line, so it runs until the logout-like SIGTERM, which
# must end it the ordinary way, saving its settings beside the real program.
cd "$work"
start=$(date +%s)
status=0
PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    timeout --preserve-status 3 tarvik > "$work/run.log" 2>&1 || status=$?
elapsed=$(($(date +%s) - start))
[ "$elapsed" -ge 2 ] || { cat "$work/run.log"; fail "the game ended by itself after ${elapsed}s with status $status"; }
[ "$status" -eq 0 ] || { cat "$work/run.log"; fail "the game ended with status $status on SIGTERM"; }
grep -q '^\[fieldOption\]' "$game/settings.ini" || fail "no settings saved in lib/tarvik"
[ ! -e "$prefix/bin/settings.ini" ] || fail "settings saved beside the link"
[ -z "$(find "$work" -name PWNED)" ] || fail "part of the prefix was run by a shell"
echo "installed, validated and started from $prefix"
