#!/usr/bin/env bash
# The arm64 kiosk-host and plug-in under qemu-aarch64 and the x86-64 ones, each on its own copy
# of the sample kiosk with the same transactions and keys: the same trace, the same receipt bytes
# (the clock masked: the receipt holds the time of payment), the same log records and the same
# snapshots, byte for byte (both draw with the same font files).
# usage: same_as_x86_64.sh X86_64_HOST X86_64_PLUGIN ARM64_HOST ARM64_PLUGIN KIOSK
set -euo pipefail
kiosk=$5
source "$(dirname "$0")/../support/compare_runs.sh"

# The water bill twice, paged, printed and snapped; then a business key the kiosk has no
# template for, which the invoice's error log records.
show() {  # show NAME HOST PLUGIN
  show_water "$1" "$2" "$3" Snap,Down,Snap,Enter,Up,Snap,Enter,Tab --snapshot-dir "$work/$1.shots"
  "$2" --plugin "$3" --kiosk "$work/$1" --business-key NOSUCHKEY --headless --keys Escape >>"$work/$1.trace"
}
show x86_64 "$1" "$2"
show arm64 "$3" "$4"

[ -s "$work/arm64/ErrorLog/Error.txt" ] || fail "the arm64 plug-in logged no missing template"
compare_runs x86_64 arm64 3
shots=$(ls "$work/arm64.shots")
[ "$(echo "$shots" | wc -l)" -eq 6 ] || fail "the arm64 kiosk-host wrote $(echo "$shots" | wc -l) snapshots, not 6"
[ "$(ls "$work/x86_64.shots")" = "$shots" ] || fail "the snapshots' names differ"
for shot in $shots; do
  cmp "$work/x86_64.shots/$shot" "$work/arm64.shots/$shot" || fail "snapshot $shot differs"
done
cmp -s "$work/arm64.shots/001.png" "$work/arm64.shots/002.png" && fail "Down did not change the page"
passed arm64 "6 snapshots"
