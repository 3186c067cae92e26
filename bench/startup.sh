#!/usr/bin/env bash
# Start-up of Zefra against a bare Qt window with the same menu bar and
# five-page tab control (bench/BareWindow.cpp), side by side.
set -euo pipefail

usage() {
    cat <<'EOF'
usage: bench/startup.sh [-n RUNS] [-r RECORDS] [-b BUILD_DIR] [-z ZEFRA]

Starts the real zefra (BUILD_DIR/src/zefra, or the binary ZEFRA, such as an
earlier version built with the same start-up probe) and the bare Qt window
(BUILD_DIR/bench/bare_window) RUNS times each (default 30), one after the
other in turn, after 3 unmeasured starts of each, and prints the medians and
Zefra's ratios to the bare window:

  first paint    wall-clock time from just before the process starts to its
                 first frame painted and flushed to the X server (CLOCK_MONOTONIC)
  processor      user and system time the process used until then
  memory, paint  peak resident memory at the first frame
  memory, 1 s    peak resident memory one second later, once the work that
                 waits for the first frame is done (Zefra's calculation record)

Zefra is started as a user starts it: a copy of the binary in a folder of its
own with a settings file beside it (all 21 keys), and a calculation record of
RECORDS records (default 10000) in its data folder ($XDG_DATA_HOME/Zefra,
here a scratch folder). Files are in the page cache after the first start,
so "cold" means a new process, not an empty disk cache. Measure a Release or
RelWithDebInfo build, and a machine otherwise idle: the wall-clock figures
include waiting for the processor; the processor times are steadier.

Build first (in BUILD_DIR, default ./build):
  cmake --build build --target zefra bare_window startup_run

Display: the $DISPLAY given, or, when DISPLAY is unset, an Xvfb server the
script starts and stops itself. Xvfb comes from the Debian package xvfb,
which scripts/setup.sh does not install: this script installs it with
apt-get (through sudo when not run as root) when it is missing.
EOF
}

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
runs=30
records=10000
zefra=
while getopts "n:r:b:z:h" option; do
    case $option in
    n) runs=$OPTARG ;;
    r) records=$OPTARG ;;
    b) build=$(cd "$OPTARG" && pwd) ;;
    z) zefra=$(realpath "$OPTARG") ;;
    h) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
    esac
done
if ! [[ $runs =~ ^[1-9][0-9]*$ && $records =~ ^[0-9]+$ ]]; then
    usage >&2
    exit 2
fi

zefra=${zefra:-$build/src/zefra}
bare=$build/bench/bare_window
run=$build/bench/startup_run
for program in "$zefra" "$bare" "$run"; do
    if [[ ! -x $program ]]; then
        echo "$program is missing: cmake --build $build --target zefra bare_window startup_run" >&2
        exit 1
    fi
done
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
if [[ $type != Release && $type != RelWithDebInfo ]]; then
    echo "warning: $build is a '${type:-unknown}' build; measure Release or RelWithDebInfo" >&2
fi

scratch=$(mktemp -d)
xvfb=
cleanup() {
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
    if ! command -v Xvfb >/dev/null; then
        sudo=
        [[ $(id -u) -ne 0 ]] && sudo=sudo
        echo "Installing xvfb (Debian package) for a display..." >&2
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q >&2
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q xvfb >&2
    fi
    number=90
    while [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]]; do
        number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [[ -e /tmp/.X11-unix/X$number ]] && break
        sleep 0.05
    done
    [[ -e /tmp/.X11-unix/X$number ]] || { cat "$scratch/xvfb.log" >&2; exit 1; }
    export DISPLAY=:$number
fi

# Zefra as installed by a user: its own folder, its settings file beside it
# (as a close writes it), and the calculation record in its data folder.
mkdir -p "$scratch/zefra" "$scratch/data/Zefra" "$scratch/config"
cp "$zefra" "$scratch/zefra/zefra"
cp -r "$(dirname "$zefra")/help" "$scratch/zefra/" 2>/dev/null || true
printf '%s\n' '[Window]' 'Left=200' 'Top=150' '[Duct]' 'DStyle=5' '[Air]' 'SelBox=0' \
    '[Pipe]' 'PStyle=2' 'Temp=2' 'PSize=2' '[Page]' 'ActPage=0' \
    '[AG]' 'VHS=0' 'Kaiko0=75' 'Kaiko1=75' 'Kaiko2=35' 'Kaiko3=35' 'Kaiko4=60' \
    'Kaiko5=35' 'Kaiko6=60' 'Kaiko7=90' '[Button]' 'B1=1' 'B2=0' 'K1=1' 'K2=0' \
    >"$scratch/zefra/zefra.ini"
"$run" journal "$scratch/data/Zefra/calculation-record.jsonl" "$records"
export XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    mkdir -m 700 "$scratch/runtime"
    export XDG_RUNTIME_DIR=$scratch/runtime
fi
export ZEFRA_STARTUP_PROBE=1000 # ms the program runs on after its first frame

measure() { # program, result file
    "$run" once "$1" >>"$2"
}
for _ in 1 2 3; do
    measure "$bare" /dev/null
    measure "$scratch/zefra/zefra" /dev/null
done
for i in $(seq "$runs"); do
    # Each goes first in every other pair, so that neither always meets the
    # other's after-effects.
    if ((i % 2)); then
        measure "$bare" "$scratch/bare.txt"
        measure "$scratch/zefra/zefra" "$scratch/zefra.txt"
    else
        measure "$scratch/zefra/zefra" "$scratch/zefra.txt"
        measure "$bare" "$scratch/bare.txt"
    fi
done

median() { # column of a result file
    awk -v c="$1" '{print $c}' "$2" | sort -g |
        awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
echo "Start-up, median of $runs runs each ($records calculation records; display $DISPLAY)"
printf '%-16s %12s %12s %8s\n' "" "bare window" "Zefra" "ratio"
row() { # caption, column, divisor, unit
    local b z
    b=$(median "$2" "$scratch/bare.txt")
    z=$(median "$2" "$scratch/zefra.txt")
    awk -v c="$1" -v b="$b" -v z="$z" -v d="$3" -v u="$4" \
        'BEGIN {printf "%-16s %9.1f %-2s %9.1f %-2s %8.2f\n", c, b / d, u, z / d, u, z / b}'
}
row "first paint" 1 1 ms
row "processor" 2 1 ms
row "memory, paint" 3 1024 MiB
row "memory, 1 s" 4 1024 MiB
