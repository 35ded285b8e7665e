# Sourced by the shell tests that show the sample kiosk (the folder in `kiosk`, set before) with
# two builds of kiosk-host and the plug-in and compare the two runs. A run NAME works in its own
# copy $work/NAME of the kiosk and writes $work/NAME.trace and $work/NAME.receipt; $work goes
# at exit. Messages start with the test script's name.
source "$(dirname "${BASH_SOURCE[0]}")/mask_clock.sh"
test_name=$(basename "$0" .sh)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$test_name: FAIL: $*" >&2; exit 1; }

# show_water NAME HOST PLUGIN KEYS [OPTION...]: two calls showing the water bill, each taking the
# keys, on a fresh copy of the kiosk.
show_water() {
  local name=$1 host=$2 plugin=$3 keys=$4
  shift 4
  cp -r "$kiosk" "$work/$name"
  "$host" --plugin "$plugin" --kiosk "$work/$name" --data "$work/$name/transaction-water.txt" --business-key WATER \
    --headless --keys "$keys" --calls 2 --print-out "$work/$name.receipt" "$@" >"$work/$name.trace"
}

# compare_runs FIRST SECOND CALLS: SECOND's host got 1 from CALLS calls and printed, and its trace,
# receipt and log records are FIRST's byte for byte, the clock masked (the receipt holds the time
# of payment, a log record the time it was written).
compare_runs() {
  local first=$1 second=$2 calls=$3
  grep -c "^ShowForm returned 1" "$work/$second.trace" | grep -qx "$calls" ||
    fail "the $second kiosk-host did not return $calls times"
  grep -q "^PrintText " "$work/$second.trace" || fail "nothing printed on $second"
  cmp <(mask_clock "$work/$first.trace") <(mask_clock "$work/$second.trace") || fail "the traces differ"
  cmp <(mask_clock "$work/$first.receipt") <(mask_clock "$work/$second.receipt") || fail "the receipts differ"
  for log in Log/ErrorLog.txt ErrorLog/Error.txt; do
    [ -e "$work/$first/$log" ] || [ -e "$work/$second/$log" ] || continue
    cmp <(mask_log_clock "$work/$first/$log") <(mask_log_clock "$work/$second/$log") || fail "$log differs"
  done
}

# passed RUN [MORE]: the closing line, with what RUN gave.
passed() {
  local lines bytes
  lines=$(wc -l <"$work/$1.trace") bytes=$(wc -c <"$work/$1.receipt")
  echo "$test_name: passed ($lines trace lines, $bytes receipt bytes${2:+, $2})"
}
