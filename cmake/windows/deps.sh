#!/bin/bash
# Cross-builds the Windows build's libraries from Debian's source packages: libxml2,
# libjpeg-turbo and libpng as static libraries, zlib from libz-mingw-w64-dev, all into
# build/windows-deps/prefix. Nothing is done when that prefix was built by this very script
# and toolchain (a stamp holds their checksum).
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
toolchain=$source_dir/cmake/windows/toolchain-i686-mingw.cmake
deps_dir=${IV_WINDOWS_DEPS_DIR:-$source_dir/build/windows-deps}
prefix=$deps_dir/prefix
stamp=$prefix/built-by
recipe=$(cat "${BASH_SOURCE[0]}" "$toolchain" | sha256sum | cut -d' ' -f1)
jobs=${IV_JOBS:-2}

if [[ -f $stamp && $(cat "$stamp") == "$recipe" ]]; then
  echo "windows-deps: up to date in $prefix"
  exit 0
fi

# Unpacks Debian's source of a package under src/ and prints the folder. The newest version
# is tried first; an older one when a mirror no longer holds it.
fetch_source() {
  local package=$1 version upstream folder
  mkdir -p "$deps_dir/src"
  for version in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -rV); do
    upstream=${version#*:}
    folder=$deps_dir/src/$package-${upstream%-*}
    if [[ ! -d $folder ]]; then
      (cd "$deps_dir/src" && apt-get source -qq "$package=$version" >&2) || continue
    fi
    echo "$folder"
    return 0
  done
  echo "windows-deps: cannot fetch the source of $package (is a deb-src entry enabled?)" >&2
  return 1
}

# Configures, builds and installs one CMake project with the cross toolchain. What the libraries
# compile in (libxml2's __FILE__ strings reach the DLL) names their folder windows-deps, not the
# build folder.
build_cmake() {
  local name=$1 folder=$2
  shift 2
  echo "windows-deps: building $name"
  rm -rf "$deps_dir/build/$name"
  cmake -S "$folder" -B "$deps_dir/build/$name" -G Ninja -Wno-dev --no-warn-unused-cli \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS_RELEASE="-O3 -DNDEBUG -ffile-prefix-map=$deps_dir=windows-deps" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DZLIB_INCLUDE_DIR=/usr/i686-w64-mingw32/include \
    -DZLIB_LIBRARY=/usr/i686-w64-mingw32/lib/libz.a "$@" >"$deps_dir/$name.log"
  cmake --build "$deps_dir/build/$name" -j "$jobs" >>"$deps_dir/$name.log"
  cmake --install "$deps_dir/build/$name" >>"$deps_dir/$name.log"
}

[[ -f /usr/i686-w64-mingw32/lib/libz.a ]] || {
  echo "windows-deps: libz-mingw-w64-dev is missing" >&2
  exit 1
}
rm -rf "$prefix"
started=$SECONDS

# Only the DOM parser is used: no network, no converters of its own (GBK is decoded by
# the platform before parsing), no threads, no compression. The thread-less build cannot
# compile libxml2's pthread code, which the compiler's pthread.h would switch on. Compiled as
# a static library, its functions are not marked for export from the DLL that links it.
build_cmake libxml2 "$(fetch_source libxml2)" -DHAVE_PTHREAD_H=0 -DCMAKE_C_FLAGS=-DLIBXML_STATIC \
  -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF -DLIBXML2_WITH_PYTHON=OFF \
  -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_ICU=OFF -DLIBXML2_WITH_LZMA=OFF \
  -DLIBXML2_WITH_ZLIB=OFF -DLIBXML2_WITH_THREADS=OFF -DLIBXML2_WITH_MODULES=OFF \
  -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_TESTS=OFF
# libjpeg62's interface, as Debian's libjpeg62-turbo-dev; the SIMD code needs nasm.
build_cmake libjpeg-turbo "$(fetch_source libjpeg-turbo)" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
build_cmake libpng "$(fetch_source libpng1.6)" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF

echo "$recipe" >"$stamp"
echo "windows-deps: built in $((SECONDS - started)) s into $prefix"
