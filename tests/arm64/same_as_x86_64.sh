#!/usr/bin/env bash
# The arm64 kiosk-host and plug-in under qemu-aarch64 and the x86-64 ones, each on its own copy
# of the sample kiosk with the same transactions and keys: the same trace, the same receipt bytes
# (the clock masked: the receipt holds the time of payment), the same log records and the same
# snapshots, byte for byte (both draw with the same font files).
# usage: same_as_x86_64.sh X86_64_HOST X86_64_PLUGIN ARM64_HOST ARM64_PLUGIN KIOSK
set -euo pipefail
kiosk=$5 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "same_as_x86_64: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../support/mask_clock.sh"

# The water bill twice, paged, printed and snapped; then a business key the kiosk has no
# template for, which the invoice's error log records.
show() {  # show NAME HOST PLUGIN
  cp -r "$kiosk" "$work/$1"
  "$2" --plugin "$3" --kiosk "$work/$1" --data "$work/$1/transaction-water.txt" --business-key WATER \
    --headless --keys Snap,Down,Snap,Enter,Up,Snap,Enter,Tab --calls 2 --snapshot-dir "$work/$1.shots" \
    --print-out "$work/$1.receipt" >"$work/$1.trace"
  "$2" --plugin "$3" --kiosk "$work/$1" --business-key NOSUCHKEY --headless --keys Escape >>"$work/$1.trace"
}
show x86_64 "$1" "$2"
show arm64 "$3" "$4"

grep -c "^ShowForm returned 1" "$work/arm64.trace" | grep -qx 3 || fail "the arm64 kiosk-host did not return 3 times"
[ -s "$work/arm64/ErrorLog/Error.txt" ] || fail "the arm64 plug-in logged no missing template"
grep -q "^PrintText " "$work/arm64.trace" || fail "nothing printed on arm64"
cmp <(mask_clock "$work/x86_64.trace") <(mask_clock "$work/arm64.trace") || fail "the traces differ"
cmp <(mask_clock "$work/x86_64.receipt") <(mask_clock "$work/arm64.receipt") || fail "the receipts differ"
for log in Log/ErrorLog.txt ErrorLog/Error.txt; do
  [ -e "$work/x86_64/$log" ] || [ -e "$work/arm64/$log" ] || continue
  cmp <(mask_log_clock "$work/x86_64/$log") <(mask_log_clock "$work/arm64/$log") || fail "$log differs"
done
shots=$(ls "$work/arm64.shots")
[ "$(echo "$shots" | wc -l)" -eq 6 ] || fail "the arm64 kiosk-host wrote $(echo "$shots" | wc -l) snapshots, not 6"
[ "$(ls "$work/x86_64.shots")" = "$shots" ] || fail "the snapshots' names differ"
for shot in $shots; do
  cmp "$work/x86_64.shots/$shot" "$work/arm64.shots/$shot" || fail "snapshot $shot differs"
done
cmp -s "$work/arm64.shots/001.png" "$work/arm64.shots/002.png" && fail "Down did not change the page"
echo "same_as_x86_64: passed ($(wc -l <"$work/arm64.trace") trace lines, $(wc -c <"$work/arm64.receipt") receipt bytes, 6 snapshots)"
