#!/usr/bin/env bash
# Two quarvel-cli installs into one game directory at the same moment, twenty times: each time
# both succeed, quarvel.cfg is one of the two scripts whole, autoexec.cfg runs it once, and no
# temporary file is left behind.
#
# Usage: concurrent_install_test.sh QUARVEL_CLI
# Exit status: 0 passed, 1 failed.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

# A game directory as a player has it: his autoexec.cfg, an old quarvel.cfg.
game() { # DIR
    mkdir -p "$1"
    printf 'bind x jump\nname "Player"\n' >"$1/autoexec.cfg"
    printf 'old script\r\n' >"$1/quarvel.cfg"
}

# What a plain install makes of it: the whole new files.
game "$work/new-user"
"$cli" install --overwrite "$work/new-user" >/dev/null || fail "a plain install failed"
# Two presets, so that a mixture of the two scripts would show.
dhfps=$work/dhfps
game "$dhfps"
"$cli" --preset dhfps install --overwrite "$dhfps" >/dev/null || fail "a plain install failed"
cmp -s "$dhfps/quarvel.cfg" "$work/new-user/quarvel.cfg" && fail "the presets wrote one script"
for round in $(seq 1 20); do
    dir=$work/together-$round
    game "$dir"
    mkfifo "$dir.go"
    exec 3<>"$dir.go" # held open, so each waiting install reads one line whenever it opens
    (read -r _ <"$dir.go" && exec "$cli" install --overwrite "$dir") >/dev/null 2>&1 &
    one=$!
    (read -r _ <"$dir.go" && exec "$cli" --preset dhfps install --overwrite "$dir") >/dev/null 2>&1 &
    two=$!
    sleep 0.05
    printf 'go\ngo\n' >&3
    wait "$one"
    status1=$?
    wait "$two"
    status2=$?
    exec 3>&-
    rm "$dir.go"
    [ "$status1$status2" = 00 ] || fail "together, round $round: exit status $status1 and $status2"
    cmp -s "$dir/quarvel.cfg" "$work/new-user/quarvel.cfg" || cmp -s "$dir/quarvel.cfg" "$dhfps/quarvel.cfg" ||
        fail "together, round $round: quarvel.cfg is neither script whole"
    cmp -s "$dir/autoexec.cfg" "$work/new-user/autoexec.cfg" ||
        fail "together, round $round: autoexec.cfg does not run the script once"
    [ "$(ls -A "$dir" | tr '\n' ' ')" = "autoexec.cfg quarvel.cfg " ] ||
        fail "together, round $round: left behind: $(ls -A "$dir")"
done
echo "20 pairs of installs at the same moment"
[ "$failed" = 0 ] && echo "passed"
exit "$failed"
