#!/usr/bin/env bash
# Installs, from Debian's packages, whatever this machine still lacks for one purpose.
# Safe to run any number of times: it asks apt only when something is missing, and then
# runs 'apt-get update' first.
#   scripts/setup.sh               build and run
#   scripts/setup.sh test          ... and run the tests
#   scripts/setup.sh bench         ... and build the benchmarks
#   scripts/setup.sh memcheck      ... and run the tests under valgrind
#   scripts/setup.sh package       ... and build and check the Debian package
#   scripts/setup.sh package-test  ... and try the package on a freshly bootstrapped system
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  qt6-base-dev                 # Widgets, PrintSupport (with its CUPS plugin), offscreen platform
  libqt6sql6-sqlite            # Qt SQL's SQLite driver: the class results file
  libcpp-httplib-dev           # cpp-httplib, header only: the class server's HTTP
  libqrencode-dev              # libqrencode: the class panel's QR code of the pupils' address
  qt6-svg-dev                  # Qt's SVG generator: the scalable icon
  qt6-translations-l10n        # Qt's own dialogs and message boxes in Japanese
  qt6-tools-dev                # Qt6LinguistTools for CMake: the program's English texts
  qt6-l10n-tools               # lupdate and lrelease, which that build runs
  fonts-ipafont-gothic         # IPAGothic / IPAPGothic: the faces the worksheet is designed for
)
test_packages=(
  poppler-utils                # pdfinfo and pdftoppm: the print tests read the PDF they print
  cups printer-driver-cups-pdf # a real spooler for the print-queue test
  xvfb xauth                   # a real X display for looking at the window
  zbar-tools                   # zbarimg: the class panel's test reads its QR code back
  chromium chromium-driver     # a real browser for the pupil's and the teacher's pages
  python3-selenium             # drives that browser from the page test
)
case "${1:-}" in
  "") ;;
  test) packages+=("${test_packages[@]}") ;;
  bench) packages+=(libbenchmark-dev) ;;
  memcheck) packages+=("${test_packages[@]}" valgrind) ;;
  package)
    packages+=(dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db) ;;
  package-test)
    packages+=(debootstrap debian-archive-keyring poppler-utils) ;;
  *) echo "setup: unknown purpose '$1'" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
