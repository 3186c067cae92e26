#!/usr/bin/env bash
# Builds the Debian package from a Release build of the program alone:
#   scripts/package.sh          leaves build-package/zefra_<version>-1_<arch>.deb
#   scripts/package.sh --check  then unpacks it into a scratch root and checks
#                               what it installs: the files, the validators of
#                               the desktop entry and the AppStream metadata,
#                               the stripped binary and that it starts.
# Installs what is missing from Debian's packages first (with sudo unless root).
set -euo pipefail

check=false
case ${1:-} in
--check) check=true ;;
"") ;;
*)
    echo "usage: $0 [--check]" >&2
    exit 2
    ;;
esac

cd "$(dirname "$0")/.."
root=$(pwd)
build=${ZEFRA_PACKAGE_DIR:-$root/build-package}

. "$root/scripts/packages.sh"
# The package adds dpkg-shlibdeps and file; its check the validators.
packages=("${build_packages[@]}" dpkg-dev file)
if $check; then
    packages+=(desktop-file-utils appstream)
fi
install_missing "${packages[@]}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DZEFRA_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)" --target zefra
rm -f "$build"/zefra_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/zefra_*.deb)
deb=${debs[0]}
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB)"

$check || exit 0

fail() {
    echo "package check: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb --info "$deb"
dpkg -x "$deb" "$scratch"

desktop=usr/share/applications/io.github.zefra.Zefra.desktop
metainfo=usr/share/metainfo/io.github.zefra.Zefra.metainfo.xml
for f in usr/bin/zefra "$desktop" "$metainfo" usr/share/zefra/help/Zefra.html \
    usr/share/icons/hicolor/256x256/apps/zefra.png usr/share/icons/hicolor/scalable/apps/zefra.svg; do
    [[ -f $scratch/$f ]] || fail "$f is not installed"
done

desktop-file-validate "$scratch/$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$scratch/$metainfo" || fail "appstreamcli validate"
# The tree as a whole: the launchable names an installed desktop entry.
appstreamcli validate-tree --no-net "$scratch" || fail "appstreamcli validate-tree"

file "$scratch/usr/bin/zefra" | grep -q ', stripped' || fail "the binary is not stripped"
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || fail "no Qt dependency from dpkg-shlibdeps: $depends"
[[ $depends == *fonts-ipafont-gothic* ]] || fail "no font dependency: $depends"

version=$(dpkg-deb --field "$deb" Version)
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/usr/bin/zefra" --version)
[[ $answer == "Zefra ${version%-*}" ]] || fail "--version printed '$answer'"
echo "package check: ok"
