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

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-ipafont-gothic)
if [[ $mode == test ]]; then
    packages+=(clang libclang-rt-dev xvfb xauth poppler-utils)
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

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)"

if [[ $mode == run ]]; then
    exec "$build/src/zefra"
fi

export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
