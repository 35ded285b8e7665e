#!/usr/bin/env bash
# kiosk-host.exe with invoiceview.dll under wine and kiosk-host with the .so, each on its own copy
# of the sample kiosk with the same transaction and keys: the same trace, the same receipt bytes
# (the clock masked: the receipt holds the time of payment), the same error log records.
# usage: same_as_linux.sh LINUX_HOST LINUX_PLUGIN WINDOWS_HOST WINDOWS_PLUGIN KIOSK
set -euo pipefail
kiosk=$5
source "$(dirname "$0")/../support/compare_runs.sh"

show_water linux "$1" "$2" Down,Enter,Up,Enter,Tab
show_water windows "$3" "$4" Down,Enter,Up,Enter,Tab
compare_runs linux windows 2
passed windows
