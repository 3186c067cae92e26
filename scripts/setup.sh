#!/usr/bin/env bash
# Installs what is missing from Debian's packages, builds Zefra, and then
#   run   starts the program, or
#   test  runs the whole test suite and prints ctest's summary.
set -euo pipefail

mode=${1:-}
if [[ $mode != run && $mode != test ]]; then
    echo "usage: $0 run|test" >&2
    exit 2
fi

cd "$(dirname "$0")/.."
root=$(pwd)
build=${ZEFRA_BUILD_DIR:-$root/build}

# What building the program needs, and the Japanese font its window uses;
# the tests add GoogleTest and the benchmarks Google Benchmark. (The fuzz
# preset's clang is in docs/DEVELOPMENT.md.)
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev
          fonts-ipafont-gothic)
if [[ $mode == test ]]; then
    packages+=(libgtest-dev libbenchmark-dev poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=
    [[ $(id -u) -ne 0 ]] && sudo=sudo
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

if [[ $mode == run ]]; then
    # The program alone: no tests, benchmarks or fuzz programs to build.
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=OFF -DZEFRA_BUILD_BENCH=OFF
    cmake --build "$build" --parallel "$(nproc)" --target zefra
    exec "$build/src/zefra"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=ON -DZEFRA_BUILD_BENCH=ON
cmake --build "$build" --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
