# Sourced by the scripts that build Zefra: what building the program needs
# from Debian's packages, and how the missing ones are installed.

# The compiler and build tools, Qt 6 with Qt SVG (Print Support is part of
# qt6-base-dev), the JSON parser of the work document (header-only, so the
# installed program needs nothing of it), libxlsxwriter for the Excel
# workbooks (the installed program links its shared library, which the
# Debian package's dependencies name), the Japanese font the window uses,
# and Qt's own Japanese texts for its file, print and preview dialogs.
build_packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev
                nlohmann-json3-dev libxlsxwriter-dev fonts-ipafont-gothic qt6-translations-l10n)

# Installs those of the given packages that are not installed yet, with sudo
# unless run as root; does nothing when all are there.
install_missing() {
    local missing=() p sudo=
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    [[ $(id -u) -ne 0 ]] && sudo=sudo
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}
