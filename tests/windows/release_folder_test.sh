#!/bin/bash
# The win32 release's folder used as a Windows integrator uses it, under wine: demo.bat run by
# cmd, the host example built with MinGW (loading the DLL, and linking each import library) and
# run on the sample kiosk, also in a folder named in Chinese under a Western code page,
# kiosk-host.exe started without arguments or with a DLL it cannot load, the version resource and
# the Windows version of every binary, a crash address turned into a function and line, the
# licences, and the line ends of the text files.
# usage: release_folder_test.sh SOURCE BUILD WORK WINE GCC WINDRES OBJDUMP VERSION
set -u
source=$1 build=$2 work=$3 wine=$4 gcc=$5 windres=$6 objdump=$7 version=$8
stage=$work/invoiceview-win32
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
is_png() { [ "$(head -c 8 "$1" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; }

rm -rf "$work" && mkdir -p "$work"
cmake -DSOURCE="$source" -DBUILD="$build" -DSTAGE="$stage" -P "$source/cmake/windows/package_folder.cmake" || exit 1
for file in README.md demo.bat NOTICES.txt invoiceview.dll invoiceview.dll.debug invoiceview.map invoiceview.def \
  invoiceview.lib libinvoiceview.dll.a kiosk-host.exe invoice-render.exe kiosk-check.exe \
  include/invoiceview/host_services.h include/invoiceview/host_services.pas include/invoiceview/HostServices.cs \
  examples/windows/mini_host.c docs/host-integration.md docs/template-data/water-head.txt \
  examples/kiosk/INI/FormatShow.ini; do
  [ -f "$stage/$file" ] || fail "the release has no $file"
done
for folder in examples/kiosk/Log examples/kiosk/ErrorLog; do
  [ -d "$stage/$folder" ] && [ -z "$(ls -A "$stage/$folder")" ] || fail "$folder is missing or not empty"
done

# demo.bat, with the screen headless: its window step returns at once, the rest runs as shown.
(cd "$stage" && INVOICEVIEW_DISPLAY=headless "$wine" cmd /c demo.bat) >"$work/demo.txt" 2>&1 ||
  fail "demo.bat failed: $(cat "$work/demo.txt")"
for picture in 001 002 003 004 balance/001 sale-1 water-1 nodata-1; do
  is_png "$stage/demo/$picture.png" || fail "demo.bat wrote no PNG demo/$picture.png"
done
# The receipt: once, from the headless run (the window step printed nothing).
[ "$(grep -c 0571203344 "$stage/demo/printed.txt" 2>/dev/null)" = 1 ] || fail "demo/printed.txt holds no single receipt"

# demo.bat on a Windows without the Chinese faces (the test runs alone, so wine's replacements
# of the kiosk's face names can be taken away meanwhile): it stops at the template renders and
# says why, and what to do.
replacements='HKCU\Software\Wine\Fonts\Replacements'
"$wine" reg export "$replacements" "$work/replacements.reg" >/dev/null 2>&1 &&
  trap '"$wine" reg import "$work/replacements.reg" >/dev/null 2>&1' EXIT &&
  "$wine" reg delete "$replacements" /f >/dev/null 2>&1 || fail "cannot take wine's face replacements away"
(cd "$stage" && INVOICEVIEW_DISPLAY=headless "$wine" cmd /c demo.bat) >"$work/demo-no-faces.txt" 2>&1
status=$?
"$wine" reg import "$work/replacements.reg" >/dev/null 2>&1 && trap - EXIT
[ $status = 3 ] && grep -q "no installed face has this name" "$work/demo-no-faces.txt" &&
  grep -q 'README.md, "Fonts", says how to add them' "$work/demo-no-faces.txt" ||
  fail "demo.bat without the Chinese faces: status $status, $(tail -5 "$work/demo-no-faces.txt")"

# The host example, by every way of reaching ShowForm. A link warning ("resolving _ShowForm@16
# by linking to _ShowForm") means an import library names the export wrongly.
kiosk=$work/kiosk && cp -r "$stage/examples/kiosk" "$kiosk"
declare -A variants=([load]="" [dll.a]="-DIV_LINK_IMPORT_LIBRARY -L$stage -linvoiceview"
                     [lib]="-DIV_LINK_IMPORT_LIBRARY $stage/invoiceview.lib")
for variant in "${!variants[@]}"; do
  exe=$work/host-$variant/mini_host.exe
  mkdir -p "$(dirname "$exe")" && cp "$stage/invoiceview.dll" "$(dirname "$exe")/"
  # shellcheck disable=SC2086
  link=$("$gcc" -std=c11 -Wall -Wextra -Werror -municode -I"$stage/include" "$stage/examples/windows/mini_host.c" \
         -o "$exe" ${variants[$variant]} 2>&1) || { fail "mini_host ($variant) does not build: $link"; continue; }
  [ -z "$link" ] || fail "mini_host ($variant) links with warnings: $link"
  output=$(INVOICEVIEW_DISPLAY=headless INVOICEVIEW_DIAGNOSTICS=stderr "$wine" "$exe" "$kiosk" 2>&1)
  for line in "ShowForm returned 1" FormActivated "TextToValue 2 " "LoadSkinImage FileDisp"; do
    grep -qF "$line" <<<"$output" || fail "mini_host ($variant) printed no '$line': $output"
  done
  if grep -E "cannot load|: (error|warning): " <<<"$output"; then fail "mini_host ($variant) on the sample kiosk"; fi
done

# A kiosk folder named in Chinese, the system's code page Western (1252): the host enters it by
# its wide name.
chinese_kiosk=$work/收银台 && cp -r "$stage/examples/kiosk" "$chinese_kiosk"
output=$(LC_ALL=C.UTF-8 INVOICEVIEW_DISPLAY=headless "$wine" "$work/host-load/mini_host.exe" "$chinese_kiosk" 2>&1)
grep -q "ShowForm returned 1" <<<"$output" && grep -q "LoadSkinImage FileDisp" <<<"$output" ||
  fail "mini_host in a folder named in Chinese under code page 1252: $output"

# For a host the header declares ShowForm imported: the call goes through the import table
# entry __imp__ShowForm@16 (declared exported, through a stub the import library adds).
"$gcc" -c -DIV_LINK_IMPORT_LIBRARY -I"$stage/include" "$stage/examples/windows/mini_host.c" -o "$work/mini_host.o"
"${gcc%gcc}nm" -u "$work/mini_host.o" | grep -qx " *U __imp__ShowForm@16" ||
  fail "mini_host.c does not import ShowForm: $("${gcc%gcc}nm" -u "$work/mini_host.o")"

# kiosk-host.exe double-clicked: the sample water bill beside it, the usage anywhere else.
output=$(cd "$work" && INVOICEVIEW_DISPLAY=headless "$wine" "$stage/kiosk-host.exe" 2>&1)
grep -q "ShowForm returned 1" <<<"$output" && grep -q "LoadSkinImage FileDisp" <<<"$output" ||
  fail "kiosk-host.exe without arguments did not show the sample: $output"
mkdir -p "$work/alone" && cp "$stage/kiosk-host.exe" "$stage/invoiceview.dll" "$work/alone/"
output=$(INVOICEVIEW_DISPLAY=headless "$wine" "$work/alone/kiosk-host.exe" 2>&1)
status=$?
[ $status = 2 ] && grep -q "^usage: kiosk-host" <<<"$output" || fail "kiosk-host.exe alone: status $status, $output"
# A DLL that cannot be loaded is named with the system's reason, not only the code.
output=$("$wine" "$stage/kiosk-host.exe" --plugin nosuch.dll --headless 2>&1)
LC_ALL=C grep -qE "cannot load plug-in: .*nosuch.dll \(error 126: [^)]+\)" <<<"$output" ||
  fail "the load error gives no reason: $output"

# The version resource of the DLL and the programs, with the project's version, company and
# copyright; the oldest Windows they load on, as their headers give it and the README states it.
IFS=. read -r major minor patch <<<"$version"
for binary in invoiceview.dll kiosk-host.exe invoice-render.exe kiosk-check.exe; do
  resource=$("$windres" -i "$stage/$binary" -J coff -O rc 2>&1)
  grep -q "FILEVERSION $major, *$minor, *$patch, *0" <<<"$resource" &&
    grep -q "VALUE \"FileVersion\", \"$version\"" <<<"$resource" &&
    grep -q "VALUE \"OriginalFilename\", \"$binary\"" <<<"$resource" &&
    grep -q "VALUE \"CompanyName\", \"invoiceview developers\"" <<<"$resource" &&
    grep -q "VALUE \"LegalCopyright\", \"Copyright [0-9]* invoiceview developers" <<<"$resource" ||
    fail "$binary has no version resource of $version with company and copyright: $resource"
  header=$("$objdump" -p "$stage/$binary")
  subsystem=$(sed -n 's/^MajorSubsystemVersion\s*//p' <<<"$header")
  subsystem+=.$(sed -n 's/^MinorSubsystemVersion\s*//p' <<<"$header")
  grep -qF "($subsystem) or later" "$stage/README.md" ||
    fail "$binary needs Windows $subsystem, which README.md does not say"
done

# A crash address, as the README turns it into a function and line: ShowForm's from the map,
# looked up in the stripped DLL, which leads addr2line to invoiceview.dll.debug.
address=$(tr -d '\r' <"$stage/invoiceview.map" | sed -n 's/^ *\(0x[0-9a-f]*\) *ShowForm@16$/\1/p')
line=$("${gcc%gcc}addr2line" -f -e "$stage/invoiceview.dll" "$address" 2>&1)
grep -q "plugin/ShowForm.cpp:[0-9]" <<<"$line" || fail "ShowForm's address $address gives no function and line: $line"

# The licences of the libraries the binaries contain.
for text in libxml2 libjpeg-turbo libpng1.6 libz-mingw-w64 mingw-w64 "GCC Runtime Library Exception"; do
  grep -qF "$text" "$stage/NOTICES.txt" || fail "NOTICES.txt says nothing of $text"
done

# Text files end their lines in CR LF.
while IFS= read -r -d '' text; do
  perl -ne 'exit 1 if /(?<!\r)\n/' "$text" || fail "${text#"$stage/"} has a line that does not end in CR LF"
done < <(find "$stage" -type f \( -name '*.md' -o -name '*.txt' -o -name '*.bat' -o -name '*.[ch]' -o -name '*.pas' \
  -o -name '*.cs' -o -name '*.def' -o -name '*.map' -o -name '*.ini' -o -name '*.xml' \) -not -path '*/demo/*' -print0)

[ $failures = 0 ] && echo "the release folder works as documented" || echo "$failures failures"
exit $((failures != 0))
