#!/usr/bin/env bash
# The invoice screen in a host with a full-screen window of its own (own_window_host.c), as the
# display shows it: in every layout such a host has, the screen's area of the whole display
# equals the headless snapshot of the same page; Escape pressed on the screen returns at once;
# a screen whose window the host destroys ends the call with its log record.
# The display is a private Xvfb whose framebuffer, the pixels a monitor would show, is read from
# the file -fbdir keeps. Not xwd: wine gives each window a colormap of its own, and xwd then reads
# the windows one by one and reports the screen's area black wherever it lies over the host's
# window, though the framebuffer holds the screen's pixels.
# usage: own_window_host_test.sh WINE HOST.exe SCREEN_SHOWS.exe KIOSK_HOST.exe DLL KIOSK_DIR
set -uo pipefail
wine=$1 host=$2 screen_shows=$3 kiosk_host=$4 dll=$5 sample=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A fresh copy of the sample kiosk in $work/$1.
kiosk_copy() {
  rm -rf "${work:?}/$1"
  cp -r "$sample" "$work/$1"
  rm -f "$work/$1/Log/ErrorLog.txt" "$work/$1/ErrorLog/Error.txt"
  mkdir -p "$work/$1/snaps"
}

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

kiosk_copy headless
"$wine" "$kiosk_host" --plugin "$dll" --kiosk "$work/headless" --business-key WATER --headless \
  --data "$work/headless/transaction-water.txt" --keys Snap,Escape --snapshot-dir "$work/headless/snaps" \
  >/dev/null 2>&1
page=$work/headless/snaps/001.png
[ -s "$page" ] || { echo "FAIL: no headless snapshot"; exit 1; }

mkdir "$work/framebuffer"
# -nocursor: the server would draw the pointer into the framebuffer.
Xvfb -displayfd 3 -fbdir "$work/framebuffer" -nocursor -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb; wait $xvfb; rm -rf "$work"' EXIT
wait_for 100 test -s "$work/display" || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")

shows_page() {
  cp "$work/framebuffer/Xvfb_screen0" "$work/display.xwd" &&
    "$wine" "$screen_shows" "$work/display.xwd" "$page" 77 84 >"$work/difference.txt" 2>/dev/null
}

# The screen's frame on the display, in each layout a host with a window has (and one without).
for layout in owner unowned none; do
  kiosk_copy "$layout"
  kiosk=$work/$layout
  timeout 120 "$wine" "$host" "$dll" "$kiosk" "$kiosk/transaction-water.txt" "$layout" shown >"$kiosk/stdout.txt" 2>&1 &
  pid=$!
  if ! wait_for 600 test -s "$kiosk/snaps/001.png"; then
    fail "$layout: the screen never came up: $(cat "$kiosk/stdout.txt")"
  elif ! wait_for 200 shows_page; then
    fail "$layout: the display does not show the page: $(cat "$work/difference.txt")"
  fi
  touch "$kiosk/photographed"
  wait "$pid"
  grep -q "^ShowForm returned 1" "$kiosk/stdout.txt" || fail "$layout: $(cat "$kiosk/stdout.txt")"
done

# Escape pressed on the screen over the host's window: ShowForm returns at once (bound: 1 s,
# ten times the limit bench_win32_close measures against), and F5 pressed right after it
# reaches the host's window, once. One call: repeated calls are bench_win32_close's (wine ended
# this host once with an X error, BadWindow on X_UnmapWindow, in its second call).
kiosk_copy escape
timeout 120 "$wine" "$host" "$dll" "$work/escape" "$work/escape/transaction-water.txt" owner escape 1 >"$work/escape.txt" 2>&1
[ "$(grep -c "^ShowForm returned 1" "$work/escape.txt")" = 1 ] || fail "escape: $(cat "$work/escape.txt")"
[ "$(tr -d '\r' <"$work/escape.txt" | grep -c "^F5 reached the host 1 times$")" = 1 ] ||
  fail "escape: the key after Escape: $(grep F5 "$work/escape.txt")"
while read -r _ _ _ microseconds; do
  [ "$microseconds" -lt 1000000 ] || fail "escape: ShowForm returned $microseconds µs after the key"
done < <(tr -d '\r' <"$work/escape.txt" | grep "^escape to return")

# The host destroys the screen's window: the call ends within a second, with the log record of
# a screen that could not be shown.
kiosk_copy destroy
timeout 120 "$wine" "$host" "$dll" "$work/destroy" "$work/destroy/transaction-water.txt" owner destroy >"$work/destroy.txt" 2>&1
grep -q "^ShowForm returned 1" "$work/destroy.txt" || fail "destroy: $(cat "$work/destroy.txt")"
microseconds=$(tr -d '\r' <"$work/destroy.txt" | sed -n 's/^destroyed to return //p')
[ "${microseconds:-9999999}" -lt 1000000 ] || fail "destroy: ShowForm returned ${microseconds:-never} µs after"
grep -q "ShowForm: the invoice screen could not be shown: the screen's window was destroyed from outside the library" \
  "$work/destroy/Log/ErrorLog.txt" 2>/dev/null || fail "destroy: no log record: $(cat "$work/destroy/Log/ErrorLog.txt" 2>&1)"

[ "$failures" -eq 0 ] && echo "own window host: every layout shows the page, Escape and destruction return at once"
exit $((failures > 0))
