#!/usr/bin/env bash
# Tries a kestrum .deb on a clean system: bootstraps a minimal Debian from the apt sources
# this machine uses into a temporary folder, installs the package there with apt (its
# dependencies resolved from nothing, recommended packages left out), and inside it runs
# the program with no display, finds the menu entry and the icon where the menu looks,
# and writes a set of sheets with keys to PDF. Removes the folder afterwards.
#   scripts/package-test.sh build/kestrum_<version>_amd64.deb
set -euo pipefail

deb=$(realpath "$1")
version=$(dpkg-deb -f "$deb" Version)
started=$(date +%s)
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi

fail() {
  echo "package-test: FAILED: $*" >&2
  exit 1
}

# The machine's own release and the mirror it installs that release from, read from its
# apt sources (deb822 .sources files and one-line .list files alike).
. /etc/os-release
suite=$VERSION_CODENAME
sources=$(ls /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
  2>/dev/null || true)
[[ -n "$sources" ]] || fail "this machine has no apt sources"
mirror=$(awk -v suite="$suite" '
  /^deb[ \t]/ { for (i = 2; i <= NF; ++i) if ($i !~ /^\[/) break;
                if ($(i + 1) == suite) { print $i; exit } }
  /^URIs:/    { uri = $2 }
  /^Suites:/  { for (i = 2; i <= NF; ++i) if ($i == suite && uri != "") { print uri; exit } }
  /^$/        { uri = "" }' $sources)
[[ -n "$mirror" ]] || fail "no apt source for $suite found in $sources"
echo "package-test: Debian $suite from $mirror"

root=$(mktemp -d /var/tmp/kestrum-package-test.XXXXXX)
chmod 755 "$root"  # apt's own user downloads into it
cleanup() {
  # Unmount whatever is mounted inside, deepest first, before removing the folder.
  awk -v root="$root" 'index($2, root "/") == 1 { print $2 }' /proc/mounts | sort -r |
    while read -r mount; do "${as_root[@]}" umount "$mount" || "${as_root[@]}" umount -l "$mount"; done
  "${as_root[@]}" rm -rf --one-file-system "$root"
}
trap cleanup EXIT

inside() {
  # A clean environment: no DISPLAY, no QT_QPA_PLATFORM, no XDG_RUNTIME_DIR.
  "${as_root[@]}" chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}

echo "package-test: debootstrap --variant=minbase $suite"
"${as_root[@]}" debootstrap --variant=minbase "$suite" "$root" "$mirror" > "$root.debootstrap.log" 2>&1 ||
  { tail -n 20 "$root.debootstrap.log"; rm -f "$root.debootstrap.log"; fail "debootstrap"; }
rm -f "$root.debootstrap.log"

# The same sources as this machine for its release, its updates and its security fixes;
# other vendors' sources stay out (their keys are not in the new system).
"${as_root[@]}" rm -f "$root/etc/apt/sources.list"
for file in $sources; do
  if awk -v suite="$suite" '
       /^deb[ \t]/ || /^Suites:/ { for (i = 2; i <= NF; ++i)
         if ($i == suite || $i == suite "-updates" || $i == suite "-security") found = 1 }
       END { exit !found }' "$file"; then
    "${as_root[@]}" cp "$file" "$root/etc/apt/sources.list.d/"
  fi
done
"${as_root[@]}" mount -t proc proc "$root/proc"
"${as_root[@]}" cp "$deb" "$root/tmp/"

echo "package-test: apt-get install ./$(basename "$deb")"
inside apt-get update -q > /dev/null
inside sh -c "cd /tmp && apt-get install -y -q --no-install-recommends ./$(basename "$deb")" \
  > "$root/tmp/install.log" 2>&1 || { tail -n 30 "$root/tmp/install.log"; fail "apt-get install"; }
grep -E '^[0-9]+ upgraded, [0-9]+ newly installed' "$root/tmp/install.log"

echo "package-test: kestrum --version"
printed=$(inside kestrum --version 2>&1) || fail "kestrum --version: $printed"
[[ "$printed" == "kestrum $version" ]] || fail "kestrum --version printed '$printed', not 'kestrum $version'"
echo "$printed"

echo "package-test: the menu entry and its icon"
entry=$root/usr/share/applications/kestrum.desktop
[[ -f "$entry" ]] || fail "no menu entry in /usr/share/applications"
grep -qx 'Categories=Education;Math;' "$entry" || fail "the menu entry is not under Education"
# The entry's own Exec= line comes first; its practice action's follows.
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry" | head -n 1)
grep -qx 'Exec=kestrum --practice' "$entry" || fail "the menu entry has no practice action"
inside sh -c "command -v $program" > /dev/null || fail "the entry's program $program is not on PATH"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 48x48 128x128 256x256; do
  png=$root/usr/share/icons/hicolor/$size/apps/$icon.png
  [[ -f "$png" && $(file -b "$png") == "PNG image data, ${size/x/ x }"* ]] ||
    fail "no $size icon $icon.png in hicolor"
done
[[ -s "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "no scalable icon $icon.svg"
echo "/usr/share/applications/kestrum.desktop: Exec=$program, Icon=$icon in hicolor 48, 128, 256 and scalable"

echo "package-test: the window opens (offscreen) and stays open"
status=0
inside timeout 5 env QT_QPA_PLATFORM=offscreen kestrum || status=$?
[[ $status == 124 ]] || fail "the window did not stay open: kestrum exited with $status"
echo "the window ran for 5 s"

echo "package-test: kestrum --pdf, three sheets each followed by its key"
help=$(inside kestrum --help)
[[ "$help" == *--pdf* ]] ||
  fail "this kestrum has no --pdf option yet: it comes with the command line for answer keys and class sets"
inside kestrum --pdf /tmp/set.pdf --sheets 3 --answers each || fail "kestrum --pdf exited with $?"
info=$(pdfinfo "$root/tmp/set.pdf") || fail "pdfinfo cannot read the PDF"
pages=$(sed -n 's/^Pages: *//p' <<< "$info")
[[ "$pages" == 6 ]] || fail "the PDF has $pages pages, not 6"
read -r width height < <(sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p' <<< "$info")
awk -v w="$width" -v h="$height" 'BEGIN { exit !(w > h) }' || fail "the pages are not landscape"
[[ $(pdffonts "$root/tmp/set.pdf") == *IPA* ]] || fail "the PDF has no text in IPA Gothic"
echo "set.pdf: 6 landscape pages, text in IPA Gothic"

echo "package-test: passed in $(( $(date +%s) - started )) s"
