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

. "$root/scripts/packages.sh"
# The tests add GoogleTest, Google Benchmark, pdftotext (to read back a
# printed calculation sheet), python3-jsonschema (to check the document
# files against their schema) and python3-openpyxl (to read back the Excel
# workbooks). (The fuzz preset's clang is in docs/DEVELOPMENT.md.)
packages=("${build_packages[@]}")
if [[ $mode == test ]]; then
    packages+=(libgtest-dev libbenchmark-dev poppler-utils python3-jsonschema python3-openpyxl)
fi
install_missing "${packages[@]}"

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
