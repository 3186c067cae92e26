#!/bin/sh
# Runs the real program as a user does on a console without any display:
#   command_line.sh PROGRAM version|help|unknown VERSION
set -u
program=$1
case=$2
version=$3
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
out=$scratch/out
err=$scratch/err

case $case in
version) args=--version want=0 ;;
help) args=--help want=0 ;;
unknown) args=--no-such-option want=2 ;;
*) echo "unknown case $case" >&2; exit 1 ;;
esac

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" $args >"$out" 2>"$err"
status=$?

fail() {
    echo "$program $args: $1"
    echo "--- standard output:"; cat "$out"
    echo "--- standard error:"; cat "$err"
    exit 1
}

[ "$status" -eq "$want" ] || fail "exit status $status, expected $want"
case $case in
version)
    [ "$(cat "$out")" = "Zefra $version" ] || fail "not the version"
    [ ! -s "$err" ] || fail "standard error not empty" ;;
help)
    head -n 1 "$out" | grep -q '^Usage: zefra \[options\] \[FILE.zefra\]$' || fail "no usage line"
    grep -q -e '--version' "$out" && grep -q -e '--help' "$out" || fail "options missing"
    [ ! -s "$err" ] || fail "standard error not empty" ;;
unknown)
    [ ! -s "$out" ] || fail "standard output not empty"
    grep -q 'no-such-option' "$err" || fail "the option is not named"
    grep -q '^Usage: zefra \[options\] \[FILE.zefra\]$' "$err" || fail "no usage" ;;
esac
echo "$case: ok"
