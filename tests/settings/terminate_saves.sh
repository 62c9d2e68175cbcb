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

# Short of file descriptors the game cannot make its signal pipe, wherever in start-up it
# runs out: SIGTERM must still end it (unsaved then), never be held for good.
for limit in 4 5 6 7 8 9 10; do
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy prlimit --nofile=$limit "$folder/tarvik" >/dev/null 2>&1 &
    pid=$!
    sleep 0.3
    kill -TERM "$pid" 2>/dev/null || true
    tries=0
    while kill -0 "$pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || { kill -KILL "$pid"; echo "SIGTERM did not end the game with $limit descriptors"; exit 1; }
        sleep 0.05
    done
    wait "$pid" || true
done
echo "ended by SIGTERM however few descriptors"
