#!/usr/bin/env bash
# Installs the Debian package into this machine, shows the sample kiosk's water bill with the
# installed kiosk-host and plug-in exactly as the build tree shows it (but for the time of payment
# on the receipt), then removes the package
# and checks that nothing of it is left.
# usage: deb_install_test.sh PACKAGE.deb BUILD_DIR (BUILD_DIR: the build the package was made from)
set -euo pipefail
deb=$(realpath "$1") build=$(realpath "$2")
if [ "$(id -u)" -ne 0 ]; then
  echo "deb_install_test: skipped: installing a package needs root"
  exit 0
fi
fail() { echo "deb_install_test: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../support/mask_clock.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dpkg-query -W -f='${Status}' invoiceview 2>/dev/null | grep -q "ok installed" && dpkg -r invoiceview >/dev/null
dpkg -i "$deb" >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq >/dev/null
dpkg-query -W -f='${Status}' invoiceview | grep -q "install ok installed" || fail "the package did not install"
dpkg -L invoiceview >"$work/files"

# The water bill: pages 1 and 2, printed, left; once with the installed programs, once with the
# build tree's, each on a fresh copy of the installed sample kiosk.
show() {  # show NAME KIOSK-HOST PLUGIN
  local out="$work/$1"
  mkdir -p "$out/shots"
  cp -r /usr/share/invoiceview/examples/kiosk "$out/kiosk"
  "$2" --plugin "$3" --kiosk "$out/kiosk" --data "$out/kiosk/transaction-water.txt" --business-key WATER \
    --headless --keys Snap,Down,Snap,Enter,Escape --snapshot-dir "$out/shots" --print-out "$out/receipt.txt" \
    >"$out/stdout.txt"
}
plugin="$(pkg-config --variable=plugindir invoiceview)/libinvoiceview.so.1"
[ -f "$plugin" ] || fail "pkg-config's plugindir holds no plug-in: $plugin"
show installed /usr/bin/kiosk-host "$plugin"
show built "$build/host/kiosk-host" "$build/plugin/libinvoiceview.so"
grep -qx "FormActivated" "$work/installed/stdout.txt" || fail "the form was never activated"
grep -q "^PrintText " "$work/installed/stdout.txt" || fail "nothing was printed"
grep -qx "ShowForm returned 1" "$work/installed/stdout.txt" || fail "ShowForm did not return 1"
cmp <(mask_clock "$work/installed/stdout.txt") <(mask_clock "$work/built/stdout.txt") ||
  fail "the installed host traced other calls"
[ -s "$work/installed/receipt.txt" ] || fail "no receipt"
cmp <(mask_clock "$work/installed/receipt.txt") <(mask_clock "$work/built/receipt.txt") || fail "the receipts differ"
for shot in 001.png 002.png; do
  cmp "$work/installed/shots/$shot" "$work/built/shots/$shot" || fail "snapshot $shot differs"
done
cmp -s "$work/installed/shots/001.png" "$work/installed/shots/002.png" && fail "Down did not change the page"

# Without --plugin the installed host finds the installed plug-in by itself.
(cd "$work/installed/kiosk" && /usr/bin/kiosk-host --headless --keys Escape) | grep -qx "ShowForm returned 1" \
  || fail "the installed kiosk-host did not find the installed plug-in"

# The shipped logrotate example, pointed at the test's kiosk and run by its own user: it
# parses, and it rotates the invoice's log and the print-out.
rotate_conf="$work/logrotate.conf"
sed -e "s|/srv/kiosk|$work/installed/kiosk|g" -e "s|su kiosk kiosk|su root root|" \
  /usr/share/invoiceview/examples/linux-kiosk/invoiceview-kiosk.logrotate >"$rotate_conf"
cp "$work/installed/receipt.txt" "$work/installed/kiosk/printed.txt"
printf 'x\r\n' >"$work/installed/kiosk/ErrorLog/Error.txt"
rotation=$(logrotate --debug --force --state "$work/logrotate.state" "$rotate_conf" 2>&1) ||
  fail "logrotate refuses the shipped example: $rotation"
for rotated in ErrorLog/Error.txt printed.txt; do
  grep -q "renaming $work/installed/kiosk/$rotated to" <<<"$rotation" || fail "logrotate would not rotate $rotated: $rotation"
done

dpkg -r invoiceview >/dev/null
dpkg-query -W -f='${Status}' invoiceview 2>/dev/null | grep -q "ok installed" && fail "still installed after dpkg -r"
while read -r path; do
  [ -d "$path" ] && [ ! -L "$path" ] && continue
  [ -e "$path" ] || [ -L "$path" ] && fail "left after removal: $path"
done <"$work/files"
for folder in /usr/share/invoiceview /usr/share/doc/invoiceview /usr/include/invoiceview; do
  [ -e "$folder" ] && fail "left after removal: $folder"
done
ldconfig -p | grep -q libinvoiceview && fail "ld.so's cache still lists the plug-in"
echo "deb_install_test: passed ($(wc -l <"$work/files") paths installed and removed)"
