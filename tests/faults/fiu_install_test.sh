#!/usr/bin/env bash
# quarvel-cli installing against the real system calls: failures injected with libfiu's fiu-run,
# and two installs into one directory at the same moment.
# Whatever happens, autoexec.cfg is the old file or the old one with the exec line, quarvel.cfg
# is the old script or the whole new one, no temporary file is left behind, and a failed
# install exits 1 naming the file on standard error.
#
# Usage: fiu_install_test.sh QUARVEL_CLI fiu|concurrent
# Exit status: 0 passed, 1 failed, 77 skipped (the tool it needs is missing).
set -u
cli=$1
part=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

# A game directory as a player has it: autoexec.cfg of one of three kinds, an old quarvel.cfg.
game() { # DIR KIND
    mkdir -p "$1"
    case $2 in
    user) printf 'bind x jump\nname "Player"\n' >"$1/autoexec.cfg" ;;
    runs) printf 'bind x jump\nexec quarvel.cfg\n' >"$1/autoexec.cfg" ;;
    esac
    printf 'old script\r\n' >"$1/quarvel.cfg"
}

# What a plain install makes of each kind: the whole new files.
for kind in user runs none; do
    game "$work/old-$kind" "$kind"
    cp -r "$work/old-$kind" "$work/new-$kind"
    "$cli" install --overwrite "$work/new-$kind" >/dev/null || fail "a plain install failed"
done
same() { # FILE OLD NEW: the file is one of the two (a missing file is the same as a missing one)
    if [ -e "$1" ]; then
        cmp -s "$1" "$2" || { [ -n "$3" ] && cmp -s "$1" "$3"; }
    else
        [ ! -e "$2" ]
    fi
}

# Checks DIR of kind KIND after an install that exited STATUS, with its output in $work/out and
# $work/err. EXPECTED is 0 for a complete install, else the file the failure must name.
check() { # LABEL DIR KIND STATUS EXPECTED
    local label=$1 dir=$2 kind=$3 status=$4 expected=$5 err=$work/err left file
    same "$dir/autoexec.cfg" "$work/old-$kind/autoexec.cfg" "$work/new-$kind/autoexec.cfg" ||
        fail "$label: autoexec.cfg is neither the old file nor the old one with the exec line"
    left=$(ls -A "$dir" | grep -vx -e autoexec.cfg -e quarvel.cfg)
    [ -z "$left" ] || fail "$label: left behind: $left"
    if [ "$expected" = 0 ]; then
        [ "$status" = 0 ] || fail "$label: exit status $status, expected 0: $(cat "$err")"
        for file in autoexec.cfg quarvel.cfg; do
            same "$dir/$file" "$work/new-$kind/$file" "" || fail "$label: reported installed, but $file is not new"
        done
    else
        [ "$status" = 1 ] || fail "$label: exit status $status, expected 1"
        grep -q installed "$work/out" && fail "$label: said installed"
        grep -qF "\"$dir/$expected\": " "$err" || fail "$label: the message names no $expected: $(cat "$err")"
        same "$dir/quarvel.cfg" "$work/old-$kind/quarvel.cfg" "" ||
            fail "$label: the install failed but quarvel.cfg changed"
    fi
}

run_fiu() {
    command -v fiu-run >/dev/null || { echo "SKIP: fiu-run is missing (Debian package fiu-utils)"; exit 77; }
    # KIND, libfiu command, the file whose failure is reported (0: the install completes).
    # The first call of each kind hits autoexec.cfg, unless it already runs the script.
    local cases=(
        "user|enable name=posix/io/rw/write,failinfo=28,onetime|autoexec.cfg"
        "runs|enable name=posix/io/rw/write,failinfo=28,onetime|quarvel.cfg"
        "user|enable name=posix/io/dir/rename,failinfo=18,onetime|autoexec.cfg"
        "runs|enable name=posix/io/sync/fsync,failinfo=122,onetime|quarvel.cfg"
        "none|enable name=posix/io/oc/close,failinfo=5,onetime|autoexec.cfg"
        "user|enable name=posix/io/oc/open,failinfo=13,onetime|autoexec.cfg"
        "user|enable name=posix/io/rw/read,failinfo=5,onetime|autoexec.cfg"
        "user|enable name=posix/io/rw/write/reduce|0"
    )
    if ldd "$cli" | grep -q 'libasan\.so'; then
        echo "SKIP: AddressSanitizer's shared runtime (gcc) cannot run behind libfiu's preloaded library"
        exit 77
    fi
    # LeakSanitizer's check at exit (clang) hangs inside libfiu's wrappers; the CLI's leaks are
    # checked where it runs without them.
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
    local n=0 entry kind command expected dir
    for entry in "${cases[@]}"; do
        IFS='|' read -r kind command expected <<<"$entry"
        n=$((n + 1))
        dir=$work/fiu-$n
        game "$dir" "$kind"
        fiu-run -x -f "" -c "$command" "$cli" install --overwrite "$dir" >"$work/out" 2>"$work/err"
        check "$command ($kind)" "$dir" "$kind" $? "$expected"
    done
    echo "$n installs under injected failures"
}

run_concurrent() {
    # Two presets, so that a mixture of the two scripts would show.
    local dhfps=$work/dhfps
    game "$dhfps" user
    "$cli" --preset dhfps install --overwrite "$dhfps" >/dev/null || fail "a plain install failed"
    cmp -s "$dhfps/quarvel.cfg" "$work/new-user/quarvel.cfg" && fail "the presets wrote one script"
    local round dir one two status1 status2
    for round in $(seq 1 20); do
        dir=$work/together-$round
        game "$dir" user
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
}

case $part in
fiu) run_fiu ;;
concurrent) run_concurrent ;;
*)
    echo "usage: $0 QUARVEL_CLI fiu|concurrent" >&2
    exit 2
    ;;
esac
[ "$failed" = 0 ] && echo "passed"
exit "$failed"
