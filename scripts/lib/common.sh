# Shared by the scripts: where things are and how missing packages get installed.
# shellcheck shell=bash

QUILSK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUILSK_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev qt6-base-dev fonts-ipafont-gothic xvfb xauth poppler-utils)

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
