# Shared by scripts/run and scripts/test: installs what the build needs, from Debian's packages,
# when something is missing. Source it; do not run it.

# Building, and running the program on a desktop.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libqt6svg6 libxcb1-dev xdg-utils fonts-dejavu-core)

# For the tests alone: the outside readers of the saved report (LibreOffice) and of the printed
# one (pdftotext), a virtual X display and a key presser for the test that drives the program on
# a real display.
TEST_PACKAGES=(libreoffice-writer-nogui poppler-utils xvfb xauth xdotool)
# Only the benchmark needs this.
BENCH_PACKAGES=(libbenchmark-dev)

cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Installing packages needs root: run this as root or install sudo." >&2
        return 1
    fi
}

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    as_root apt-get update -q \
        && as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build DIR BUILD_TYPE TARGET [cmake options...]   (TARGET "all" builds everything)
build() {
    local dir=$1 type=$2 target=$3
    shift 3
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" && cmake --build "$dir" --target "$target"
}
