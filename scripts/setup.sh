#!/usr/bin/env bash
# Installs, from Debian's packages, whatever this machine still lacks to build, test
# and run Kestrum. Safe to run any number of times: it asks apt only when something
# is missing, and then runs 'apt-get update' first.
#   scripts/setup.sh          build, test and run
#   scripts/setup.sh bench    also the benchmarks' library
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  qt6-base-dev                 # Widgets, PrintSupport (with its CUPS plugin), Test, offscreen platform
  qt6-translations-l10n        # Qt's own dialogs and message boxes in Japanese
  fonts-ipafont-gothic         # IPAGothic / IPAPGothic: the faces the worksheet is designed for
  poppler-utils                # pdfinfo and pdftoppm: the print tests read the PDF they print
  cups printer-driver-cups-pdf # a real spooler for the print-queue test
  xvfb xauth                   # a real X display for looking at the window
)
if [[ "${1:-}" == "bench" ]]; then
  packages+=(libbenchmark-dev)
fi

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
