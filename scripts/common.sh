# Shared by run.sh and test.sh: installs what is missing and builds into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(build-essential cmake ninja-build pkg-config sqlite3 libsqlite3-dev
          qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libqt6sql6-sqlite qt6-qpa-plugins
          qt6-charts-dev libqt6opengl6-dev libgl-dev mdbtools-dev libhamlib-dev help2man tzdata)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build build -j "$(nproc)"
}
