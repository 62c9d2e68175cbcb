#!/bin/sh
# A desktop logout ends the game with SIGTERM: it must still leave the game as after
# an ordinary close, with its settings saved beside the program.
set -eu
game="$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$game" "$folder/tarvik"
cd /
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$folder/tarvik" >/dev/null 2>&1 &
pid=$!
# The program holds the signal from its first line until it can act on it; this
# pause only lets it get past the loading of its libraries.
sleep 0.5
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "exit status $status after SIGTERM"; exit 1; }
grep -qi '^\[statusOption\]' "$folder/settings.ini" || { echo "no settings saved"; exit 1; }
echo "saved on SIGTERM"
