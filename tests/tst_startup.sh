#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's start from the outside: --help and --version answer without a display (the help
# in German under a German locale), an unknown option is one line and status 2, a platform
# that cannot start one line and status 1; scale factors Qt cannot use still give a first
# window of a usable size on an X server of the test's own. The set tool's command line
# answers alike, and its maker's window without a display is one line and status 1.
# Usage: tst_startup.sh GAME SETS
set -eu
game=$1 sets=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export HOME="$work/home" XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_RUNTIME_DIR="$work/run" LC_ALL=
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"

# run NAME STATUS LINES [VAR=VALUE...] -- ARGS: the game without a display ends with STATUS,
# having written LINES lines to standard error.
run() {
    name=$1 status=$2 lines=$3
    shift 3
    set +e
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE= LANG=en_GB.UTF-8 "$@" \
        >"$work/out" 2>"$work/err"
    got=$?
    set -e
    [ $got -eq "$status" ] || fail "$name: status $got, not $status: $(cat "$work/err")"
    [ "$(wc -l <"$work/err")" -eq "$lines" ] || fail "$name: not $lines lines: $(cat "$work/err")"
}
run version 0 0 "$game" --version
grep -qx 'zindle [0-9.]*' "$work/out" || fail "--version says: $(cat "$work/out")"
run help-de 0 0 LANG=de_DE.UTF-8 "$game" --help
grep -q 'Spiele gegen die Uhr' "$work/out" || fail "no German help: $(cat "$work/out")"
run unknown-option 2 1 "$game" --bogus
run wayland-without-compositor 1 1 QT_QPA_PLATFORM=wayland "$game"
grep -q '^zindle: ' "$work/err" || fail "the Wayland line does not name the game"
run no-such-platform 1 1 QT_QPA_PLATFORM=nonsense "$game"
run sets-version 0 0 "$sets" --version
grep -qx 'zindle-sets [0-9.]*' "$work/out" || fail "zindle-sets --version says: $(cat "$work/out")"
run sets-unknown-option 2 1 "$sets" --bogus
run sets-maker-without-display 1 1 "$sets" --new

# Every factor starts the game with its first window at least 200 pixels wide, the program
# alive until it is ended.
# The server takes a free display and names it once it listens. Without -noreset it would
# reset as each game ends and refuse the next one's start.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
tries=0
until [ -s "$work/display" ]; do
    tries=$((tries + 1))
    [ $tries -le 300 ] || fail "Xvfb did not start"
    sleep 0.1
done
export DISPLAY=:$(cat "$work/display")
for factor in -1 nan inf 0 0.001; do
    QT_SCALE_FACTOR=$factor "$game" 2>/dev/null &
    pid=$!
    windows=$(timeout 30 xdotool search --sync --onlyvisible --pid $pid 2>/dev/null) ||
        fail "QT_SCALE_FACTOR=$factor: no window"
    window=$(echo "$windows" | head -n 1)
    width=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')
    [ "$width" -ge 200 ] || fail "QT_SCALE_FACTOR=$factor: a window $width pixels wide"
    kill -0 $pid 2>/dev/null || fail "QT_SCALE_FACTOR=$factor: the game ended"
    kill $pid
    wait $pid 2>/dev/null || [ $? -eq 143 ] || fail "QT_SCALE_FACTOR=$factor: ended by another signal"
done
