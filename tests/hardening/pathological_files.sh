#!/bin/sh
# The game started on settings and sound files no one would write by hand. It must come
# up and stay up; what it could read it saves back in a form it can read again, and
# what it could not read it leaves exactly as it was.
set -eu
built="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
game="$work/game"
mkdir -p "$game"
cp -r "$built/tarvik" "$built/sound" "$built/help" "$game/"
settings="$game/settings.ini"
fail() { echo "$*"; exit 1; }

# Runs the game for a moment, then ends it as a logout would. A game held by an error
# box at start-up cannot act on that yet and is killed. Sets status and peak (kB).
run() {
    (cd / && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy exec "$game/tarvik") > "$work/log" 2>&1 &
    pid=$!
    sleep 2
    kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; cat "$work/log"; fail "$1: the game did not stay up"; }
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    kill -TERM "$pid"
    for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
    kill -KILL "$pid" 2>/dev/null || true
    status=0
    wait "$pid" || status=$?
    # 137 is our own kill; anything else but 0 is the game's doing.
    [ "$status" -eq 0 ] || [ "$status" -eq 137 ] || { cat "$work/log"; fail "$1: ended with status $status"; }
}

# Readable, so saved on the way out as a file the game's own reader accepts.
expect_saved() {
    run "$1"
    [ "$status" -eq 0 ] || fail "$1: did not end on SIGTERM"
    grep -q '^\[fieldOption\]' "$settings" && grep -Eq '^enemyCount ?=' "$settings" \
        || fail "$1: no settings written back"
    [ "$(tr -d '\000' < "$settings" | wc -c)" -eq "$(wc -c < "$settings")" ] || fail "$1: NUL bytes written back"
}

# Unreadable, so neither used nor replaced.
expect_untouched() {
    cp -r "$settings" "$work/before"
    run "$1"
    diff -r "$work/before" "$settings" > /dev/null || fail "$1: the file was changed"
    rm -rf "$work/before" "$settings"
}

python3 - "$work" <<'PY'
import random, sys
folder = sys.argv[1]
random.seed(1)
with open(folder + "/several-mb", "w") as f:
    for i in range(120000):
        f.write(f"[section{i % 97}]\nkey{i}=value {i} {'x' * 20}\n")
with open(folder + "/long-lines", "w") as f:
    f.write("[fieldOption]\ncell=" + "9" * 300000 + "\n[others]\nenemyCount=4\n")
    f.write("[" + "s" * 200000 + "]\n" + "k" * 200000 + "=v\n")
with open(folder + "/junk", "wb") as f:
    f.write(bytes(random.randrange(256) for _ in range(200000)))
with open(folder + "/nul", "wb") as f:
    f.write(b"[others]\nenemyCount=\x002\n\x00\x00\x00[others]\x00\nenemyCount=5\n" * 1000)
PY

cp "$work/long-lines" "$settings"
expect_saved "very long lines"
grep -Eqx 'cell ?= ?32' "$settings" || fail "very long lines: an unreadable number was not replaced by the default"
grep -Eqx 'enemyCount ?= ?4' "$settings" || fail "very long lines: a readable value was lost"

cp "$work/junk" "$settings"
expect_saved "binary junk"

cp "$work/nul" "$settings"
expect_saved "NUL bytes"
rm "$settings"

cp "$work/several-mb" "$settings"
expect_untouched "a file of several megabytes"

mkdir "$settings"
echo kept > "$settings/inside"
expect_untouched "a directory named settings.ini"

# Far over the sound cap, yet quick to make: nothing of it may be read into memory.
truncate -s 300M "$game/sound/title.wav"
run "a 300 MB wave file"
[ "$peak" -lt 200000 ] || fail "a 300 MB wave file: the game grew to $peak kB"
[ "$(stat -c %s "$game/sound/title.wav")" -eq 314572800 ] || fail "the wave file was changed"
echo "all pathological files handled"
