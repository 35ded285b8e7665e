#!/usr/bin/env bash
# kiosk-host.exe with invoiceview.dll under wine and kiosk-host with the .so, each on its own copy
# of the sample kiosk with the same transaction and keys: the same trace, the same receipt bytes
# (the clock masked: the receipt holds the time of payment), the same error log records.
# usage: same_as_linux.sh LINUX_HOST LINUX_PLUGIN WINDOWS_HOST WINDOWS_PLUGIN KIOSK
set -euo pipefail
kiosk=$5 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "same_as_linux: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../support/mask_clock.sh"

show() {  # show NAME HOST PLUGIN
  cp -r "$kiosk" "$work/$1"
  "$2" --plugin "$3" --kiosk "$work/$1" --data "$work/$1/transaction-water.txt" --business-key WATER \
    --headless --keys Down,Enter,Up,Enter,Tab --calls 2 --print-out "$work/$1.receipt" >"$work/$1.trace"
}
show linux "$1" "$2"
show windows "$3" "$4"

grep -c "^ShowForm returned 1" "$work/windows.trace" | grep -qx 2 || fail "kiosk-host.exe did not return twice"
grep -q "^PrintText " "$work/windows.trace" || fail "nothing printed under wine"
cmp <(mask_clock "$work/linux.trace") <(mask_clock "$work/windows.trace") || fail "the traces differ"
cmp <(mask_clock "$work/linux.receipt") <(mask_clock "$work/windows.receipt") || fail "the receipts differ"
for log in Log/ErrorLog.txt ErrorLog/Error.txt; do
  [ -e "$work/linux/$log" ] || [ -e "$work/windows/$log" ] || continue
  cmp <(mask_log_clock "$work/linux/$log") <(mask_log_clock "$work/windows/$log") || fail "$log differs"
done
echo "same_as_linux: passed ($(wc -l <"$work/windows.trace") trace lines, $(wc -c <"$work/windows.receipt") receipt bytes)"
