#!/usr/bin/env bash
# Installs the Debian 12 packages RVPDF needs to build, run and test; with
# the argument "bench", also those only the benchmarks need (`make bench`).
# Does nothing when everything is present; works as root and through sudo.
set -euo pipefail

PACKAGES=(
    build-essential g++ make cmake ninja-build pkg-config
    qtbase5-dev qtbase5-private-dev qtbase5-dev-tools libqt5svg5-dev qttools5-dev qttools5-dev-tools
    libqt5x11extras5-dev libxcb1-dev
    libpoppler-qt5-dev libpoppler-cpp-dev libqpdf-dev poppler-utils qpdf mupdf-tools libnss3-dev libnss3-tools libcups2-dev libglib2.0-dev
    libtesseract-dev libleptonica-dev tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu
    clang-15 libfuzzer-15-dev llvm-15 clang-format
    xvfb xauth x11-utils xdotool imagemagick dbus dbus-x11
    at-spi2-core python3-pyatspi xdg-utils
    dpkg-dev lintian desktop-file-utils appstream ccache
    qtwayland5 weston
    fonts-dejavu-core fonts-noto-cjk
)
# The benchmarks measure real manuals, set figures beside another viewer's,
# and print to a PDF printer of a private print scheduler.
BENCH_PACKAGES=(octave-doc r-doc-pdf qpdfview cups-daemon cups-client cups-filters bsdextrautils)
if [[ "${1:-}" == "bench" ]]; then
    PACKAGES+=("${BENCH_PACKAGES[@]}")
fi

missing=()
for pkg in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$pkg")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=()
if [[ $(id -u) -ne 0 ]]; then
    if command -v sudo >/dev/null 2>&1; then
        SUDO=(sudo)
    else
        echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
