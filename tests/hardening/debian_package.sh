#!/bin/sh
# Makes the Debian package from the build as scripts/package does, unpacks it into a
# scratch root (never onto this machine), checks where everything lands and what the
# control data says, plays the unpacked game as a player, and runs lintian: any error
# (an unstripped program, files not owned by root, a missing copyright or changelog)
# fails the test.
# Usage: debian_package.sh BUILD_DIR VERSION
set -eu
build="$1"
version="$2"
id=org.tarvik.Tarvik
work=$(mktemp -d)
xvfb=""
trap '[ -z "$xvfb" ] || kill "$xvfb"; rm -rf "$work"' EXIT
root="$work/root"
fail() { echo "$*"; exit 1; }

make_package() {
    cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; fail "cpack failed"; }
    deb="$work/out/tarvik_${version}_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || { ls "$work/out"; fail "no $(basename "$deb")"; }
    dpkg-deb -x "$deb" "$root"
}

check_control() {
    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(field Version)" = "$version" ] || fail "package version $(field Version), not $version"
    [ "$(field Section)" = games ] || fail "section $(field Section)"
    depends=$(field Depends)
    # Named by hand, and found by dpkg-shlibdeps in the program.
    for package in fonts-comic-neue xdg-utils libqt6widgets6 libc6; do
        echo "$depends" | grep -Eq "(^|, )$package( |,|$)" || fail "Depends lacks $package: $depends"
    done
    [ "$(field Recommends)" = "libsdl2-2.0-0, qt6-translations-l10n, qt6-wayland" ] || fail "Recommends: $(field Recommends)"
}

check_layout() {
    game="$root/usr/lib/tarvik"
    [ "$(ls "$root")" = usr ] || fail "files outside /usr: $(ls "$root")"
    # The game folder holds the program and its files, nothing the tests or tools build.
    [ "$(ls "$game" | tr '\n' ' ')" = "help sound tarvik " ] || fail "game folder holds: $(ls "$game")"
    elves=$(find "$root" -type f -exec file {} + | grep -c ELF)
    [ "$elves" -eq 1 ] || fail "$elves programs in the package, not one"
    for name in title start retry clear gameover hattrick; do
        [ -s "$game/sound/$name.wav" ] || fail "no sound/$name.wav"
    done
    [ -s "$game/help/index.html" ] || fail "no help/index.html"
    # Resolved inside the scratch root: an absolute link would point out of it.
    [ -L "$root/usr/games/tarvik" ] && [ "$(readlink -f "$root/usr/games/tarvik")" = "$(readlink -f "$game/tarvik")" ] \
        || fail "/usr/games/tarvik does not lead to the program"

    share="$root/usr/share"
    grep -qx "Exec=tarvik" "$share/applications/$id.desktop" || fail "no desktop entry starting tarvik"
    for size in 16 32 48 64 128 256; do
        [ -s "$share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no ${size}x$size icon"
    done
    grep -q "<project_license>MIT</project_license>" "$share/metainfo/$id.metainfo.xml" \
        || fail "no MIT licence in the AppStream data"
    man -l "$share/man/man6/tarvik.6.gz" > "$work/man.txt" 2> "$work/man.log"
    grep -q "settings.ini" "$work/man.txt" && grep -q "Ctrl+0" "$work/man.txt" \
        || { cat "$work/man.log"; fail "the manual page does not render or names no settings file or zoom key"; }
    grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
        "$share/doc/tarvik/copyright" || fail "the copyright file is not machine-readable"
    zcat "$share/doc/tarvik/changelog.gz" | head -1 | grep -q "^tarvik ($version) " \
        || fail "the changelog does not start with this version"
}

# The unpacked game started as a player who owns nothing but a home, as after apt
# install: it cannot write its folder, so it keeps the player's settings in ~/.config.
play_as_player() {
    home="$work/home"
    mkdir -m 700 "$home"
    player=""
    if [ "$(id -u)" -eq 0 ]; then
        chmod 755 "$work"
        chown nobody:nogroup "$home"
        player="setpriv --reuid=nobody --regid=nogroup --clear-groups"
    fi
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$work/display" 2> "$work/xvfb.log" &
    xvfb=$!
    tries=0
    until grep -q '^[0-9]' "$work/display"; do
        tries=$((tries + 1))
        [ "$tries" -le 200 ] || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
        sleep 0.05
    done
    display=":$(cat "$work/display")"
    # shellcheck disable=SC2086
    env -u XDG_CONFIG_HOME -u QT_QPA_PLATFORM HOME="$home" DISPLAY="$display" SDL_AUDIODRIVER=dummy \
        $player "$root/usr/games/tarvik" > /dev/null 2> "$work/game.log" &
    game=$!
    DISPLAY="$display" timeout 20 xdotool search --sync --onlyvisible --name '^Tarvik$' > /dev/null \
        || { kill -KILL "$game"; cat "$work/game.log"; fail "the game showed no window"; }
    kill -TERM "$game"
    status=0
    wait "$game" || status=$?
    cat "$work/game.log"
    [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
    ! grep -qi "sav" "$work/game.log" || fail "the game could not save its settings"
    [ -f "$home/.config/tarvik/settings.ini" ] || fail "no ~/.config/tarvik/settings.ini"
    kill "$xvfb"
    wait "$xvfb" || true
    xvfb=""
}

run_lintian() {
    # Status 1 means tags of error level, checked below by their lines; more means it did not run.
    status=0
    lintian -I --pedantic "$deb" > "$work/lintian.log" 2>&1 || status=$?
    cat "$work/lintian.log"
    [ "$status" -le 1 ] || fail "lintian failed with status $status"
    ! grep -q '^E:' "$work/lintian.log" || fail "lintian reports errors"
}

make_package
check_control
check_layout
play_as_player
run_lintian
echo "package $(basename "$deb") unpacked, checked, played and lintian-clean"
