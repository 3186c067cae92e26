#!/usr/bin/env bash
# Builds the Debian package from a Release build of the program alone:
#   scripts/package.sh          leaves build-package/zefra_<version>-1_<arch>.deb
#   scripts/package.sh --check  then checks the package with lintian, unpacks
#                               it into a scratch root and checks what it
#                               installs: the files, the validators of the
#                               desktop entry and the AppStream metadata, the
#                               stripped binary and that it starts.
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
# The package adds dpkg-shlibdeps and dpkg-buildflags, and file; its check
# lintian and the validators.
packages=("${build_packages[@]}" dpkg-dev file)
if $check; then
    packages+=(lintian desktop-file-utils appstream)
fi
install_missing "${packages[@]}"

# Debian's hardening flags (fortified libc calls, stack protector, read-only
# relocations bound at load), as a package built by Debian gets them; they
# leave the arithmetic alone.
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DZEFRA_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
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

# Debian's own package checker: any error or warning fails the check. The
# package's overrides (packaging/lintian-overrides) are shown with the reason
# for each. (Lintian's own --fail-on counts shown overrides as failures, so
# the tags are read from its output.)
echo "$(lintian --version):"
report=$(lintian --fail-on none --show-overrides "$deb" 2>&1) || fail "lintian did not run"
echo "$report"
! grep -q '^[EW]: ' <<<"$report" || fail "lintian reports errors or warnings"
echo "lintian: no errors, no warnings"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb --info "$deb"
dpkg -x "$deb" "$scratch"

desktop=usr/share/applications/io.github.zefra.zefra.desktop
metainfo=usr/share/metainfo/io.github.zefra.zefra.metainfo.xml
for f in usr/bin/zefra "$desktop" "$metainfo" usr/share/zefra/help/Zefra.html \
    usr/share/icons/hicolor/256x256/apps/zefra.png usr/share/icons/hicolor/scalable/apps/zefra.svg \
    usr/share/man/man1/zefra.1.gz usr/share/doc/zefra/copyright \
    usr/share/doc/zefra/changelog.Debian.gz; do
    [[ -f $scratch/$f ]] || fail "$f is not installed"
done

desktop-file-validate "$scratch/$desktop" || fail "desktop-file-validate"
# Clean down to the pedantic hints: any remark at all fails the check.
remarks=$(appstreamcli validate --no-net --pedantic "$scratch/$metainfo" 2>&1) ||
    fail "appstreamcli validate: $remarks"
echo "appstreamcli validate --pedantic: $remarks"
! grep -q '^[EWIP]: ' <<<"$remarks" || fail "appstreamcli validate --pedantic has remarks"
# The tree as a whole: the launchable names an installed desktop entry.
echo "appstreamcli validate-tree:"
appstreamcli validate-tree --no-net "$scratch" || fail "appstreamcli validate-tree"

file "$scratch/usr/bin/zefra" | grep -q ', stripped' || fail "the binary is not stripped"
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || fail "no Qt dependency from dpkg-shlibdeps: $depends"
[[ $depends == *fonts-ipafont-gothic* ]] || fail "no font dependency: $depends"
[[ $depends == *qt6-translations-l10n* ]] || fail "no dependency on Qt's translations: $depends"
[[ $(dpkg-deb --field "$deb" Recommends) == *gnome-calculator* ]] || fail "no calculator recommended"

version=$(dpkg-deb --field "$deb" Version)
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/usr/bin/zefra" --version)
[[ $answer == "Zefra ${version%-*}" ]] || fail "--version printed '$answer'"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$scratch/$metainfo" | head -n 1)
[[ $release == "${version%-*}" ]] || fail "the AppStream release is '$release', the package $version"
echo "package check: ok"
