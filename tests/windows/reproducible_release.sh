#!/bin/bash
# Two builds of one commit in two folders give the same release, byte for byte, and no shipped
# file names a folder it was built in.
#
# A second whole build would double the Windows stage's time, so: every file of the release
# folder laid out from this build is searched for the source, build and dependency folders
# (which covers the programs too); then the sources are copied to another, longer folder, where
# only the DLL is built again, compiling every object it is linked from (ccache recompiles
# instead of handing back this build's objects); the release folder laid out from that build,
# with this build's programs, and its zip equal this build's, file for file. Its DLL differs from
# this build's in its debug information (invoiceview.dll.debug) as soon as a folder slips in.
# usage: reproducible_release.sh SOURCE BUILD WORK
set -u
source=$1 build=$2 work=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
deps_prefix=$(sed -n 's/^IV_WINDOWS_DEPS_PREFIX:[A-Z]*=//p' "$build/CMakeCache.txt")
epoch=$(git -C "$source" log -1 --format=%ct 2>/dev/null || echo 315532800)

rm -rf "$work" && mkdir -p "$work"
# stage_and_zip BUILD SOURCE NAME: the release folder WORK/NAME/invoiceview-win32 and its zip.
stage_and_zip() {
  cmake -DSOURCE="$2" -DBUILD="$1" -DSTAGE="$work/$3/invoiceview-win32" \
    -P "$source/cmake/windows/package_folder.cmake" &&
    "$source/cmake/windows/zip_folder.sh" "$work/$3/invoiceview-win32" "$work/$3.zip" "$epoch"
}
stage_and_zip "$build" "$source" here || exit 1

for folder in "$source" "$build" "$(dirname "$deps_prefix")"; do
  found=$(grep -rlaF "$folder" "$work/here")
  [ -z "$found" ] || fail "these files name the build's folder $folder: ${found//$work\/here\//}"
done

# The same commit in a folder of another name and length, the DLL alone built there.
copy=$work/another-folder-for-the-same-commit/invoiceview
mkdir -p "$copy"
tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf -
(cd "$copy" && cmake --preset windows -DIV_WINDOWS_DEPS_PREFIX="$deps_prefix" -DIV_BUILD_TESTS=OFF >/dev/null &&
  CCACHE_RECACHE=1 cmake --build build/windows --target invoiceview -j "${JOBS:-2}" >"$work/build.log") ||
  { fail "the copy does not build: $(tail -20 "$work/build.log")"; exit 1; }
for program in host/kiosk-host.exe tools/invoice-render.exe tools/kiosk-check.exe; do
  cp "$build/$program" "$build/$program.map" "$copy/build/windows/$(dirname "$program")/"
done
stage_and_zip "$copy/build/windows" "$copy" there || exit 1
diff -r "$work/here" "$work/there" >"$work/differences.txt" ||
  fail "the release folders differ: $(cat "$work/differences.txt")"
cmp "$work/here.zip" "$work/there.zip" || fail "the zips differ"

[ $failures = 0 ] && echo "two folders, one release: $(wc -c <"$work/here.zip") bytes of zip alike" ||
  echo "$failures failures"
exit $((failures != 0))
