#!/bin/bash
# The Pascal and C# declarations of the host ABI that the win32 release ships beside the C header:
# each compiled by Debian's 32-bit compiler (Free Pascal in Delphi mode, mono's mcs run on the
# i386 runtime) into a program that prints every size and field offset, and both printouts equal
# the one of the C header built by MinGW and run under wine. Then a Free Pascal host for Windows
# (its run-time library compiled from Debian's Free Pascal sources) shows the sample water bill
# headless under wine with the same trace of the host's calls as the C host mini_host.c.
# (No C# host runs: mono's runtime for Windows, wine-mono, is no Debian package.)
# usage: abi_declarations.sh C_LAYOUT_EXE WINE I386_TOOLS MCS FPC_SOURCE GCC DLL SOURCE WORK
set -u
c_layout=$1 wine=$2 tools=$3 mcs=$4 fpc_source=$5 gcc=$6 dll=$7 source=$8 work=$9
fpc_dir=$tools/usr/lib/i386-linux-gnu/fpc/3.2.2
ppc386=$fpc_dir/ppc386
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work" && mkdir -p "$work/pascal" "$work/rtl-win32" "$work/pascal-host" "$work/c-host"
"$wine" "$c_layout" | tr -d '\r' >"$work/c.txt" || fail "the C layout program did not run"

if output=$("$ppc386" -n -Tlinux -Mdelphi -vw -Sew "-Fu$fpc_dir/units/i386-linux/*" \
    -Fu"$source/include/invoiceview" -FE"$work/pascal" -FU"$work/pascal" \
    "$source/tests/windows/abi_layout.pas" 2>&1); then
  "$work/pascal/abi_layout" >"$work/pascal.txt"
  diff -u "$work/c.txt" "$work/pascal.txt" || fail "host_services.pas lays the ABI out otherwise than the C header"
else
  fail "host_services.pas does not compile: $output"
fi

if output=$("$mcs" -warnaserror -out:"$work/AbiLayout.exe" "$source/tests/windows/AbiLayout.cs" \
    "$source/include/invoiceview/HostServices.cs" 2>&1); then
  "$tools/usr/bin/mono-sgen" "$work/AbiLayout.exe" >"$work/csharp.txt"
  diff -u "$work/c.txt" "$work/csharp.txt" || fail "HostServices.cs lays the ABI out otherwise than the C header"
else
  fail "HostServices.cs does not compile: $output"
fi
[ "$(wc -l <"$work/c.txt")" -gt 20 ] || fail "the C layout program printed too little: $(cat "$work/c.txt")"

# The Windows units a Delphi-mode program needs, then the Pascal host, linked by Free Pascal's own
# linker against invoiceview.dll (host_services.pas imports ShowForm on Windows).
rtl=$fpc_source/rtl
for unit in "win32/system.pp -Us -Sg" win32/sysinitpas.pp objpas/objpas.pp inc/fpintres.pp; do
  read -r file options <<<"$unit"
  # shellcheck disable=SC2086
  output=$(cd "$rtl/$(dirname "$file")" && "$ppc386" -n -Twin32 $options -Fi"$rtl/inc" -Fi"$rtl/i386" -Fi"$rtl/win" \
    -Fi"$rtl/win32" -Fi"$rtl/objpas" -Fu"$work/rtl-win32" -FU"$work/rtl-win32" "$(basename "$file")" 2>&1) ||
    fail "Free Pascal's $file does not compile for win32: $output"
done
output=$("$ppc386" -n -Twin32 -Mdelphi -vw -Sew -Fu"$work/rtl-win32" -Fu"$source/include/invoiceview" \
  -FE"$work/pascal-host" -FU"$work/pascal-host" "$source/tests/windows/pascal_host.pas" 2>&1) ||
  fail "the Pascal host does not compile for win32: $output"
"$gcc" -std=c11 -municode -I"$source/include" "$source/examples/windows/mini_host.c" -o "$work/c-host/mini_host.exe" ||
  fail "mini_host.c does not build"
cp "$dll" "$work/pascal-host/" && cp "$dll" "$work/c-host/"
for host in pascal c; do
  cp -r "$source/examples/kiosk" "$work/$host-kiosk"
done
(cd "$work/pascal-kiosk" && INVOICEVIEW_DISPLAY=headless "$wine" "$work/pascal-host/pascal_host.exe") \
  >"$work/pascal-host.txt" 2>&1
INVOICEVIEW_DISPLAY=headless "$wine" "$work/c-host/mini_host.exe" "$work/c-kiosk" >"$work/c-host.txt" 2>&1
grep -q "ShowForm returned 1" "$work/c-host.txt" && diff -u "$work/c-host.txt" "$work/pascal-host.txt" ||
  fail "the Pascal host's calls differ from the C host's"

[ $failures = 0 ] && echo "host_services.pas and HostServices.cs lay the ABI out as the C header; a Pascal host runs" ||
  echo "$failures failures"
exit $((failures != 0))
