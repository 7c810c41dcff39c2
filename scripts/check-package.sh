#!/usr/bin/env bash
# Checks a built kestrum .deb the way Debian's tools see it: what it holds and depends
# on, the menu entry, the AppStream metadata, the manual page, and lintian.
#   scripts/check-package.sh build/kestrum_<version>_amd64.deb
set -euo pipefail

deb=$(realpath "$1")
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

echo "== dpkg-deb -I $(basename "$deb")"
dpkg-deb -I "$deb"

echo "== desktop-file-validate"
# Its hints count too: a category without a main one, for example, is only a hint, and
# would leave the program in a catch-all corner of the menu.
said=$(desktop-file-validate "$tree/usr/share/applications/kestrum.desktop" 2>&1) || true
if [[ -n "$said" ]]; then
  echo "$said"
  exit 1
fi
echo "kestrum.desktop: no errors, warnings or hints"

echo "== appstreamcli validate --no-net"
# The id stays "kestrum", the name the program, its menu entry and its icon share: the
# project has no domain of its own to build a reverse-DNS id from. That one warning is
# shown as information; any other warning or error fails the check.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
  "$tree/usr/share/metainfo/kestrum.metainfo.xml"

echo "== man -l kestrum.1.gz"
# man renders to a pipe without a pager; groff's warnings (-ww) would show on stderr.
warnings=$(MANWIDTH=80 MANROFFOPT=-ww man -l "$tree/usr/share/man/man1/kestrum.1.gz" 2>&1 >/dev/null)
if [[ -n "$warnings" ]]; then
  echo "$warnings"
  exit 1
fi
MANWIDTH=80 man -l "$tree/usr/share/man/man1/kestrum.1.gz" 2>/dev/null | head -n 12
echo "... rendered without warnings"

echo "== lintian"
# Errors fail the package; warnings and the rest are shown.
lintian --fail-on error --display-info "$deb"
echo "lintian: no errors"
