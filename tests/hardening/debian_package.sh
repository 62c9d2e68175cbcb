#!/bin/sh
# Makes the Debian package from the build as scripts/package does, installs it with dpkg
# into a scratch root with a database of its own (never onto this machine; without root
# it is only unpacked), checks where everything lands and what the control data says,
# plays the installed game as root and then as a player, removes it, and runs lintian:
# any error or warning (an unstripped program, files not owned by root, a missing
# copyright or changelog) fails the test.
# Usage: debian_package.sh BUILD_DIR VERSION MARK LANGUAGES (MARK: the file that marks a
# system-wide game; LANGUAGES: the codes of the game's other languages, separated by ';')
set -eu
build="$1"
version="$2"
mark="$3"
languages=$(echo "$4" | tr ';' ' ')
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
}

# dpkg as apt calls it, on the scratch root; the libraries the package depends on are
# this machine's, outside that database.
dpkg_scratch() {
    dpkg --instdir="$root" --admindir="$work/dpkg" --force-depends "$@" > "$work/dpkg.log" 2>&1 \
        || { cat "$work/dpkg.log"; fail "dpkg $* failed"; }
}

install_package() {
    if [ "$(id -u)" -ne 0 ]; then
        dpkg-deb -x "$deb" "$root"
        return
    fi
    mkdir -p "$root" "$work/dpkg/updates" "$work/dpkg/info"
    touch "$work/dpkg/status"
    dpkg_scratch --install "$deb"
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
    [ "$(field Recommends)" = "libsdl2-2.0-0, qt6-translations-l10n, qt6-wayland, fonts-vlgothic" ] || fail "Recommends: $(field Recommends)"
}

check_layout() {
    game="$root/usr/lib/tarvik"
    [ "$(ls "$root")" = usr ] || fail "files outside /usr: $(ls "$root")"
    # The game folder holds the program and its files, nothing the tests or tools build.
    # The mark keeps every player's settings out of it.
    [ "$(ls "$game" | tr '\n' ' ')" = "help sound $mark tarvik " ] || fail "game folder holds: $(ls "$game")"
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
    for folder in man6 $(for language in $languages; do echo "$language/man6"; done); do
        man -l "$share/man/$folder/tarvik.6.gz" > "$work/man.txt" 2> "$work/man.log"
        grep -q "settings.ini" "$work/man.txt" && grep -q "Ctrl+0" "$work/man.txt" \
            || { cat "$work/man.log"; fail "the manual page in $folder does not render or names no settings file or zoom key"; }
    done
    grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
        "$share/doc/tarvik/copyright" || fail "the copyright file is not machine-readable"
    zcat "$share/doc/tarvik/changelog.gz" | head -1 | grep -q "^tarvik ($version) " \
        || fail "the changelog does not start with this version"
}

start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$work/display" 2> "$work/xvfb.log" &
    xvfb=$!
    tries=0
    until grep -q '^[0-9]' "$work/display"; do
        tries=$((tries + 1))
        [ "$tries" -le 200 ] || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
        sleep 0.05
    done
    display=":$(cat "$work/display")"
}

# play HOME [SETPRIV ARGUMENTS]: starts the installed game through its command with that
# home, waits for its window, ends it with SIGTERM as a logout does and expects a normal
# end with nothing said about the settings and the player's own file saved.
play() {
    own_home="$1"
    shift
    env -i PATH=/usr/bin:/bin HOME="$own_home" DISPLAY="$display" SDL_AUDIODRIVER=dummy \
        "$@" "$root/usr/games/tarvik" > /dev/null 2> "$work/game.log" &
    game=$!
    DISPLAY="$display" timeout 20 xdotool search --sync --onlyvisible --name '^Tarvik$' > /dev/null \
        || { kill -KILL "$game"; cat "$work/game.log"; fail "the game showed no window"; }
    kill -TERM "$game"
    status=0
    wait "$game" || status=$?
    cat "$work/game.log"
    [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
    ! grep -Eqi "sav|fail" "$work/game.log" || fail "the game could not save its settings"
    [ -f "$own_home/.config/tarvik/settings.ini" ] || fail "no ~/.config/tarvik/settings.ini in $own_home"
}

# Root plays first (sudo tarvik, or root at a console), and may write the game folder;
# then a player who owns nothing but a home. Neither leaves a file in the game folder,
# neither reads the other's settings, and the player's own file is written.
play_as_root_and_player() {
    start_xvfb
    home="$work/home"
    mkdir -m 700 "$home"
    if [ "$(id -u)" -eq 0 ]; then
        mkdir -p -m 700 "$work/root-home/.config/tarvik"
        printf '[statusOption]\nstart = 41\n' > "$work/root-home/.config/tarvik/settings.ini"
        play "$work/root-home"
        grep -qx "start = 41" "$work/root-home/.config/tarvik/settings.ini" || fail "root's own settings were not read back"
        chmod 755 "$work"
        chown nobody:nogroup "$home"
        play "$home" setpriv --reuid=nobody --regid=nogroup --clear-groups
    else
        play "$home"
    fi
    ! grep -q "start = 41" "$home/.config/tarvik/settings.ini" || fail "the player got root's settings"
    [ "$(ls "$root/usr/lib/tarvik" | tr '\n' ' ')" = "help sound $mark tarvik " ] \
        || fail "the game folder holds: $(ls "$root/usr/lib/tarvik")"
    kill "$xvfb"
    wait "$xvfb" || true
    xvfb=""
}

# Removing the package leaves nothing of the game behind.
remove_package() {
    [ "$(id -u)" -eq 0 ] || return 0
    dpkg_scratch --remove tarvik
    [ ! -e "$root/usr/lib/tarvik" ] || fail "left behind: $(find "$root/usr/lib/tarvik")"
}

run_lintian() {
    # Status 1 means tags of error level, checked below with warnings by their lines; more
    # means it did not run.
    status=0
    lintian -I --pedantic "$deb" > "$work/lintian.log" 2>&1 || status=$?
    cat "$work/lintian.log"
    [ "$status" -le 1 ] || fail "lintian failed with status $status"
    ! grep -q '^[EW]:' "$work/lintian.log" || fail "lintian reports errors or warnings"
}

make_package
check_control
install_package
check_layout
play_as_root_and_player
remove_package
run_lintian
echo "package $(basename "$deb") installed, checked, played, removed and lintian-clean"
