#!/usr/bin/env bash
# CI: installs the built Debian package with apt on this machine, checks the
# installed program as a user meets it, and removes it again:
#   .ci/installed-package.sh [PACKAGE.deb]   (default build-package/zefra_*.deb)
# - `zefra --version`, with no display, prints the package's version;
# - `zefra` starts offscreen in a scratch home, shows its window, which is
#   then closed as a user closes it (a Qt plugin built from
#   .ci/window-closer, loaded through Qt's plugin path), and writes the
#   settings to ~/.config/zefra/zefra.ini; the calculation record's folder
#   is ~/.local/share/Zefra.
# Afterwards exactly the packages apt's plan for the installation named as
# new (zefra and the dependencies it brings in) are purged again, and the
# list of packages is checked to be as before. The check refuses to run, and
# changes nothing, where zefra is already known to dpkg or where the
# installation would upgrade or remove any package: removal could not put
# those back. Needs root, or sudo like scripts/setup.sh.
set -euo pipefail
export LC_ALL=C # one collation for sort and comm
cd "$(dirname "$0")/.."
root=$(pwd)

if (($# > 1)); then
    echo "usage: $0 [PACKAGE.deb]" >&2
    exit 2
fi
if (($# == 1)); then
    deb=$1
else
    debs=("$root"/build-package/zefra_*.deb)
    deb=${debs[0]}
fi
if [[ ! -f $deb ]]; then
    echo "installed-package: no package $deb (build it with scripts/package.sh)" >&2
    exit 2
fi
deb=$(realpath "$deb")
version=$(dpkg-deb --field "$deb" Version)

fail() {
    echo "installed-package: $*" >&2
    exit 1
}

state=$(dpkg-query -W -f='${db:Status-Abbrev} ${Version}' zefra 2>/dev/null || true)
if [[ -n $state && $state != un* ]]; then
    echo "installed-package: zefra is already on this machine (dpkg: $state)." >&2
    echo "This check installs and purges its own build and would not restore that copy;" >&2
    echo "remove it first (apt-get purge zefra), or run the check on another machine." >&2
    exit 1
fi

sudo=
[[ $(id -u) -ne 0 ]] && sudo=sudo
apt_get() {
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -q -y -o DPkg::Lock::Timeout=600 "$@"
}
# Every package dpkg knows, with its version and state.
packages() {
    dpkg-query -W -f='${binary:Package} ${Version} ${db:Status-Abbrev}\n' | sort
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# What the installation will do, from apt's own plan: only new packages.
# Recommends (a calculator) are left out: the check is about Zefra itself.
apt-get install -s --no-install-recommends "$deb" >"$scratch/plan" 2>&1 ||
    { cat "$scratch/plan" >&2; fail "apt-get cannot install $deb here"; }
new=$(awk '$1 == "Inst" && $3 !~ /^\[/ { print $2 }' "$scratch/plan" | tr '\n' ' ')
changed=$(awk '($1 == "Inst" && $3 ~ /^\[/) || $1 == "Remv" { print $2 }' "$scratch/plan" |
    tr '\n' ' ')
if [[ -n $changed ]]; then
    echo "installed-package: installing $deb would upgrade or remove: $changed" >&2
    echo "Removing zefra afterwards could not put those back; nothing was changed." >&2
    exit 1
fi

before=$scratch/packages-before
packages >"$before"
installed=false

restore() {
    local status=$?
    if $installed; then
        echo "--- purging what was installed: $new"
        # shellcheck disable=SC2086 # one word per package
        apt_get purge $new >"$scratch/purge.log" 2>&1 || {
            cat "$scratch/purge.log" >&2
            echo "installed-package: purging failed: $new" >&2
            status=1
        }
        if packages | cmp -s - "$before"; then
            echo "packages as before: $(wc -l <"$before") known to dpkg, none added or changed"
        else
            echo "installed-package: the packages differ from before" \
                "(or another apt-get ran meanwhile):" >&2
            diff "$before" <(packages) >&2 || true
            status=1
        fi
    fi
    rm -rf "$scratch"
    exit "$status"
}
trap restore EXIT

echo "--- the window closer"
if ! { cmake -S "$root/.ci/window-closer" -B "$scratch/closer" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release && cmake --build "$scratch/closer"; } >"$scratch/closer.log" 2>&1; then
    cat "$scratch/closer.log" >&2
    fail "the window closer does not build"
fi

echo "--- apt-get install $(basename "$deb"), new packages: $new"
installed=true
apt_get install --no-install-recommends "$deb" >"$scratch/install.log" 2>&1 ||
    { cat "$scratch/install.log" >&2; fail "apt-get install"; }
grep -E '^(Setting up|Unpacking) ' "$scratch/install.log" || true
[[ $(dpkg-query -W -f='${Status} ${Version}' zefra) == "install ok installed $version" ]] ||
    fail "zefra $version is not installed"
[[ $(command -v zefra) == /usr/bin/zefra ]] || fail "zefra is not /usr/bin/zefra"

echo "--- zefra --version"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM zefra --version)
echo "$answer"
[[ $answer == "Zefra ${version%-*}" ]] || fail "--version printed '$answer', the package is $version"

echo "--- zefra, offscreen, as a user with a fresh home"
home=$scratch/home
mkdir -p "$home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
status=0
env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$scratch/runtime" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$scratch/closer/plugins" \
    QT_QPA_GENERIC_PLUGINS=windowcloser \
    timeout 120 zefra >"$scratch/out" 2>"$scratch/err" || status=$?
cat "$scratch/out" "$scratch/err"
((status == 0)) || fail "zefra ended with status $status"
grep -q '^window-closer: shown app::TDuctForm ' "$scratch/err" || fail "no window was shown"
grep -q '^window-closer: closed$' "$scratch/err" || fail "the window was not closed"
settings=$home/.config/zefra/zefra.ini
[[ -f $settings ]] || fail "no settings in ~/.config/zefra/zefra.ini"
grep -q '^\[Window\]' "$settings" || fail "the settings have no [Window] section"
echo "\$HOME/.config/zefra/zefra.ini: $(grep -c '=' "$settings") keys, sections" \
    "$(grep '^\[' "$settings" | tr -d '[]' | tr '\n' ' ')"
[[ -d $home/.local/share/Zefra ]] || fail "no folder ~/.local/share/Zefra for the record"
echo "installed package check: ok"
