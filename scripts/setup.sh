# Shared by scripts/run and scripts/test: install what the build needs on a
# Debian 12 machine, then configure and build. Sourced, not run.

set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

install_missing_packages() {
    # libqt6svg6 carries the image and icon plugins that load the SVG icons at run time;
    # clang and its runtimes (libFuzzer, the sanitizers) build the sanitized core;
    # clang-format checks that every source file is formatted; the statistics draw with
    # Qt Charts; the print tests read the PDFs back with poppler's pdftotext; the install test
    # checks the desktop entries with desktop-file-validate.
    local needed=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev
                  libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
                  locales clang libclang-rt-14-dev clang-format qt6-charts-dev poppler-utils
                  desktop-file-utils)
    local missing=()
    for package in "${needed[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installiere fehlende Pakete: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

configure_suite() {
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
}

# Everything: programs, plug-ins, tests and benchmarks.
build_suite() {
    configure_suite
    cmake --build "$BUILD"
}

# Only what a user runs: the programs and the plug-in libraries, no tests, no benchmarks.
SUITE_PROGRAMS=(teile zelvo tastomat dranko reglo vellum tallix)
build_programs() {
    configure_suite
    cmake --build "$BUILD" --target "${SUITE_PROGRAMS[@]}"
}
