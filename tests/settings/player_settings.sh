#!/bin/sh
# A game folder the player cannot write and that holds no settings.ini, as after a
# system-wide install: each player keeps a file of their own under their configuration
# folder, and the next start reads it back. A settings.ini that is there stays the one
# used, even read-only, unless the folder is marked as installed for the whole machine.
# Run as an unprivileged user, since root may write anywhere.
# Usage: player_settings.sh PROGRAM MARK (the file that marks a system-wide game)
set -eu
program="$1"
mark="$2"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "$*"; [ -s "$work/err" ] && cat "$work/err"; exit 1; }

player=""
chmod 755 "$work"
mkdir "$work/game" "$work/home"
cp "$program" "$work/game/tarvik"
chmod 555 "$work/game"
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$work/home"
    player="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi

# play [NAME=VALUE...]: starts the game with a fresh HOME-based environment, waits until it
# handles SIGTERM, ends it with that and expects a normal end.
play() {
    # shellcheck disable=SC2086
    env -u XDG_CONFIG_HOME HOME="$work/home" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$@" \
        $player "$work/game/tarvik" > /dev/null 2> "$work/err" &
    pid=$!
    tries=0
    until [ $(( 0x$(awk '/^SigCgt/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0) & 0x4000 )) -ne 0 ]; do
        tries=$((tries + 1))
        [ "$tries" -le 200 ] || { kill -KILL "$pid"; fail "the game did not get ready within 10 s"; }
        sleep 0.05
    done
    kill -TERM "$pid"
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
}

# expect_file FILE: the game saved there, in private folders, and nowhere else.
expect_file() {
    [ -f "$1" ] || fail "no $1"
    for folder in "$(dirname "$1")" "$(dirname "$(dirname "$1")")"; do
        [ "$(stat -c %a "$folder")" = 700 ] || fail "$folder has mode $(stat -c %a "$folder")"
    done
    [ ! -e "$work/game/settings.ini" ] || fail "settings.ini written into the game folder"
    ! grep -qi "fail" "$work/err" || fail "the game reported a failure"
}

xdg="$work/home/xdg/config"
play XDG_CONFIG_HOME="$xdg"
expect_file "$xdg/tarvik/settings.ini"
# A second start reads what the first left: a value that only the file holds survives.
sed -i 's/^start = .*/start = 7/' "$xdg/tarvik/settings.ini"
play XDG_CONFIG_HOME="$xdg"
grep -qx "start = 7" "$xdg/tarvik/settings.ini" || fail "the second start did not read the file back"

# Unset or relative, the variable gives way to ~/.config.
play
expect_file "$work/home/.config/tarvik/settings.ini"
rm -r "$work/home/.config"
play XDG_CONFIG_HOME=relative/config
expect_file "$work/home/.config/tarvik/settings.ini"

# A read-only settings.ini in the game folder is the game's, and failing to save it says so.
chmod u+w "$work/game"
printf '[others]\nenemyCount = 2\n' > "$work/game/settings.ini"
chmod 444 "$work/game/settings.ini"
chmod 555 "$work/game"
before=$(cat "$work/game/settings.ini")
play XDG_CONFIG_HOME="$work/home/unused"
grep -q "Failed to save settings." "$work/err" || fail "no report of the failed save"
[ "$(cat "$work/game/settings.ini")" = "$before" ] || fail "the read-only settings.ini changed"
[ ! -e "$work/home/unused" ] || fail "saved under the player's folder instead"

# A game installed for the whole machine never uses its folder, even one the player may
# write and that holds a settings.ini: root runs the installed game with that power.
rm -rf "$work/home/unused"
chmod 755 "$work/game"
[ -z "$player" ] || chown nobody:nogroup "$work/game"
echo "installed for every player" > "$work/game/$mark"
chmod 644 "$work/game/settings.ini"
before=$(cat "$work/game/settings.ini")
play XDG_CONFIG_HOME="$xdg"
[ "$(cat "$work/game/settings.ini")" = "$before" ] || fail "the game folder's settings.ini was written"
grep -qx "start = 7" "$xdg/tarvik/settings.ini" || fail "the player's own file was not the one read"
grep -qx "enemyCount = 3" "$xdg/tarvik/settings.ini" || fail "the game folder's settings.ini was read"
! grep -qi "fail" "$work/err" || fail "the game reported a failure"
echo "each player keeps their own settings"
