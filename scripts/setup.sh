#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing) and builds into build/.
# Sourced by ./run and ./test; BUILD_TYPE chooses the CMake build type.
set -euo pipefail

PONTELUMA_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    libfluidsynth-dev timgm6mb-soundfont
    fonts-dejavu-core
    locales
)

ponteluma_install_missing() {
    local missing=()
    local pkg
    for pkg in "${PONTELUMA_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}" >&2
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >&2
}

# The users' desktops are Italian: the tests run under it_IT.UTF-8 as well as C.
ponteluma_italian_locale() {
    locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'it_IT.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >&2
}

ponteluma_build() {
    local root
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" >/dev/null ||
        return 1
    cmake --build "$root/build" -j"$(nproc)" >&2
}

# The build as ./run does it: its log goes to build/compilazione.log and is shown only
# when the build fails.
ponteluma_build_quietly() {
    local root log
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    mkdir -p "$root/build"
    log="$root/build/compilazione.log"
    if ! ponteluma_build >"$log" 2>&1; then
        cat "$log" >&2
        echo "Compilazione non riuscita: il registro completo è in $log" >&2
        return 1
    fi
}
