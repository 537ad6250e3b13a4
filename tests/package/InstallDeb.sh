#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a throwaway
# root as dpkg would install it, and starts the installed program offscreen:
# it must come up and stay up until it is stopped.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
info=$(dpkg-deb --info "$deb")
grep -q 'Depends:.*libqt6widgets6' <<<"$info" || { echo "no Qt dependency"; exit 1; }
grep -q 'Depends:.*zlib1g' <<<"$info" || { echo "no zlib dependency"; exit 1; }
dpkg -x "$deb" "$work/root"

for f in usr/bin/velotar usr/bin/module-emulator \
         usr/share/applications/velotar.desktop \
         usr/share/icons/hicolor/scalable/apps/velotar.svg \
         usr/share/icons/hicolor/48x48/apps/velotar.png \
         usr/share/man/man1/module-emulator.1; do
  [ -s "$work/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
grep -q '^Name\[pl\]=' "$work/root/usr/share/applications/velotar.desktop"

status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/velotar" >"$work/run.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  echo "the installed program ended by itself (status $status):"
  cat "$work/run.log"
  exit 1
fi
# The emulator from the package prints its line's path first.
path=$(timeout 3 "$work/root/usr/bin/module-emulator" </dev/null | head -n 1 || true)
case "$path" in /dev/pts/*) ;; *) echo "the installed emulator printed '$path'"; exit 1 ;; esac
echo "installed and started: $(basename "$deb")"
