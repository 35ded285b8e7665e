#!/bin/bash
# The Pascal and C# declarations of the host ABI that the win32 release ships beside the C header:
# each compiled by Debian's 32-bit compiler (Free Pascal in Delphi mode, mono's mcs run on the
# i386 runtime) into a program that prints every size and field offset, and both printouts equal
# the one of the C header built by MinGW and run under wine.
# usage: abi_declarations.sh C_LAYOUT_EXE WINE I386_TOOLS MCS SOURCE WORK
set -u
c_layout=$1 wine=$2 tools=$3 mcs=$4 source=$5 work=$6
fpc_dir=$tools/usr/lib/i386-linux-gnu/fpc/3.2.2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work" && mkdir -p "$work/pascal"
"$wine" "$c_layout" | tr -d '\r' >"$work/c.txt" || fail "the C layout program did not run"

if output=$("$fpc_dir/ppc386" -n -Tlinux -Mdelphi -vw -Sew "-Fu$fpc_dir/units/i386-linux/*" \
    -Fu"$source/include/invoiceview" -FE"$work/pascal" -FU"$work/pascal" "$source/tests/windows/abi_layout.pas" 2>&1); then
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
[ $failures = 0 ] && echo "host_services.pas and HostServices.cs lay the ABI out as the C header" || echo "$failures failures"
exit $((failures != 0))
