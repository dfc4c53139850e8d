#!/usr/bin/env bash
# Two quarvel-cli runs on one game directory at the same moment. Two installs, twenty times: each
# time both succeed, quarvel.cfg is one of the two scripts whole, autoexec.cfg runs it once, the
# record of the settings before the install is there, and no
# temporary file is left behind. An install and an uninstall, fifty times: the folder is held, so
# they happen one after the other and leave the state of whichever came last, whole.
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

# A game directory as a player has it: his autoexec.cfg, an old quarvel.cfg, the mod's liblist.gam.
game() { # DIR
    mkdir -p "$1"
    printf 'bind x jump\nname "Player"\n' >"$1/autoexec.cfg"
    printf 'old script\r\n' >"$1/quarvel.cfg"
    printf 'game "Counter-Strike"\n' >"$1/liblist.gam"
}

# Runs quarvel-cli twice on DIR at the same moment, with ARGS1 and ARGS2 (words without blanks),
# and waits for both: their exit statuses in status1 and status2, what each said in DIR.1, DIR.2.
race() { # DIR ARGS1 ARGS2
    mkfifo "$1.go"
    exec 3<>"$1.go" # held open, so each waiting run reads one line whenever it opens
    # shellcheck disable=SC2086 # the arguments are split into words on purpose
    (read -r _ <"$1.go" && exec "$cli" $2) >"$1.1" 2>&1 &
    local one=$!
    # shellcheck disable=SC2086
    (read -r _ <"$1.go" && exec "$cli" $3) >"$1.2" 2>&1 &
    local two=$!
    sleep 0.05
    printf 'go\ngo\n' >&3
    wait "$one"
    status1=$?
    wait "$two"
    status2=$?
    exec 3>&-
    rm "$1.go"
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
    race "$dir" "install --overwrite $dir" "--preset dhfps install --overwrite $dir"
    [ "$status1$status2" = 00 ] || fail "together, round $round: exit status $status1 and $status2"
    cmp -s "$dir/quarvel.cfg" "$work/new-user/quarvel.cfg" || cmp -s "$dir/quarvel.cfg" "$dhfps/quarvel.cfg" ||
        fail "together, round $round: quarvel.cfg is neither script whole"
    cmp -s "$dir/autoexec.cfg" "$work/new-user/autoexec.cfg" ||
        fail "together, round $round: autoexec.cfg does not run the script once"
    [ "$(ls -A "$dir" | tr '\n' ' ')" = "autoexec.cfg liblist.gam quarvel-restore.cfg quarvel.cfg " ] ||
        fail "together, round $round: left behind: $(ls -A "$dir")"
done
echo "20 pairs of installs at the same moment"

# What an uninstall leaves: the player's binds as they were.
removed=$work/removed
game "$removed"
rm "$removed/quarvel.cfg"
"$cli" install "$removed" >/dev/null && "$cli" uninstall "$removed" >/dev/null ||
    fail "an install and an uninstall failed"
for round in $(seq 1 50); do
    dir=$work/against-$round
    game "$dir"
    "$cli" install --overwrite "$dir" >/dev/null || fail "against, round $round: the first install failed"
    race "$dir" "install --overwrite $dir" "uninstall $dir"
    [ "$status1$status2" = 00 ] ||
        fail "against, round $round: exit status $status1 and $status2: $(cat "$dir.1" "$dir.2")"
    if [ -e "$dir/quarvel.cfg" ]; then # the install came last
        cmp -s "$dir/quarvel.cfg" "$work/new-user/quarvel.cfg" &&
            cmp -s "$dir/autoexec.cfg" "$work/new-user/autoexec.cfg" ||
            fail "against, round $round: installed, but not whole"
    else # the uninstall came last, after the install it raced
        cmp -s "$dir/autoexec.cfg" "$removed/autoexec.cfg" ||
            fail "against, round $round: quarvel.cfg is gone, but autoexec.cfg still runs it"
        grep -q 'quarvel.cfg has been deleted' "$dir.2" ||
            fail "against, round $round: the uninstall did not say what it removed"
    fi
    [ "$(ls -A "$dir" | tr '\n' ' ')" = "autoexec.cfg liblist.gam quarvel-restore.cfg quarvel.cfg " ] || [ ! -e "$dir/quarvel.cfg" ] ||
        fail "against, round $round: left behind: $(ls -A "$dir")"
done
echo "50 installs and uninstalls at the same moment"

# A folder another Quarvel holds for longer than a run waits: nothing is written, and it says why.
held=$work/held
game "$held"
before=$(cat "$held/autoexec.cfg" "$held/quarvel.cfg")
exec 4<"$held"
flock -n 4 || fail "held: the folder could not be locked"
said=$("$cli" install --overwrite "$held" 2>&1 4<&-)
status=$?
exec 4<&-
[ "$status" = 1 ] || fail "held: exit status $status"
[ "$said" = "quarvel-cli: Another Quarvel is changing $held; try again when it is done." ] || fail "held: said $said"
[ "$(cat "$held/autoexec.cfg" "$held/quarvel.cfg")" = "$before" ] || fail "held: the files changed"
[ "$failed" = 0 ] && echo "passed"
exit "$failed"
