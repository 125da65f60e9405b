# Shared by the scripts: where things are and how missing packages get installed.
# shellcheck shell=bash

QUILSK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUILSK_DEMO_INI="$QUILSK_ROOT/build/demo/quilsk.ini"
QUILSK_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev python3 qt6-base-dev qt6-translations-l10n qt6-l10n-tools fonts-ipafont-gothic xvfb xauth poppler-utils)
# What scripts/package needs besides: dpkg-shlibdeps and dpkg-buildflags, the file
# type check CPack runs before dpkg-shlibdeps, and the three validators.
QUILSK_PACKAGING_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)

# Installs the packages given (default: the project's) that are not installed yet.
ensure_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -gt 0 ] || wanted=("${QUILSK_PACKAGES[@]}")
    local missing=()
    local p
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}" >&2
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures and builds into build/NAME with the extra CMake arguments given.
build_tree() {
    local name=$1
    shift
    cmake -S "$QUILSK_ROOT" -B "$QUILSK_ROOT/build/$name" -G Ninja "$@" >/dev/null
    cmake --build "$QUILSK_ROOT/build/$name"
}

# Registers the bundled sample dictionary in the demo settings file, with the
# quick-mode letters and an index, using the quilsk-cli in directory BIN.
write_demo_settings() {
    local cli=("$1/quilsk-cli" --ini "$QUILSK_DEMO_INI")
    local dict="$QUILSK_ROOT/samples/dict"
    local index="$QUILSK_ROOT/build/demo/index"
    "${cli[@]}" register main "$dict" 'ZELK5*.*'
    "${cli[@]}" register supplement "$dict" 'ZELK-HOI.*'
    "${cli[@]}" register technical "$dict" 'ZELTEC5*.*'
    "${cli[@]}" register abbreviations "$dict" 'ZELK略語.*'
    "${cli[@]}" register proper-nouns "$dict" 'ZELK固名.*'
    "${cli[@]}" register corpus "$dict" 'ZELK-BIL*.*'
    "${cli[@]}" register others "$dict" 'MYNOTES.*'
    "${cli[@]}" quick auto
    mkdir -p "$index"
    "${cli[@]}" config set Index Dir "$index/"
    "${cli[@]}" index build >/dev/null
}
