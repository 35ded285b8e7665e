# The Windows stage of ./run: bash functions, sourced by ./run, which calls them from the
# source folder. windows_install sets the machine up, windows_build cross-builds the
# dependencies and the `windows` preset, windows_test runs its tests under wine and Xvfb.

WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix libz-mingw-w64-dev wine wine32:i386 locales dpkg-dev xvfb zip
                  mono-mcs fpc-source-3.2.2)
# 32-bit compilers for the ABI's Pascal and C# declarations: Debian's i386 Free Pascal and mono
# runtime. They cannot be installed beside the machine's amd64 binutils and mono, so they are
# unpacked into build/windows-i386-tools; the i386 runtime takes the installed class libraries,
# so it is of their version.
WINDOWS_I386_TOOLS=(fp-compiler-3.2.2:i386 fp-units-rtl-3.2.2:i386 mono-runtime-sgen:i386)

# i386 packages for wine32, Debian's source packages for the cross-built libraries, the
# compiler and wine, and the zh_CN.UTF-8 locale (code page 936 under wine).
windows_install() {
  local sudo="" update=()
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
    update=(--update)
  fi
  if ! grep -rqs -e '^Types:.*deb-src' -e '^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    # Source entries beside the binary ones, in whichever format the machine uses.
    [ -f /etc/apt/sources.list.d/debian.sources ] &&
      $sudo sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
    [ -f /etc/apt/sources.list ] &&
      $sudo sed -i -n 'p; s/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list
    update=(--update)
  fi
  install_packages "${update[@]}" "${WINDOWS_PACKAGES[@]}"
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    $sudo sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
  windows_unpack_i386_tools
}

windows_unpack_i386_tools() {
  local tools=$PWD/build/windows-i386-tools package mono
  mono=$(dpkg-query -W -f='${Version}' mono-runtime-sgen)
  [ "$(cat "$tools/unpacked" 2>/dev/null)" = "${WINDOWS_I386_TOOLS[*]} $mono" ] && return 0
  rm -rf "$tools" && mkdir -p "$tools/debs"
  (cd "$tools/debs" && apt-get download -qq -o APT::Sandbox::User=root \
    "${WINDOWS_I386_TOOLS[@]/%mono-runtime-sgen:i386/mono-runtime-sgen:i386=$mono}") || return
  for package in "$tools"/debs/*.deb; do dpkg-deb -x "$package" "$tools"; done
  echo "${WINDOWS_I386_TOOLS[*]} $mono" >"$tools/unpacked"
}

windows_build() {
  IV_JOBS=${JOBS:-2} cmake/windows/deps.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j "${JOBS:-2}"
}

# Runs ctest in build/windows under wine: a wine prefix of the build's own, its wineserver kept
# up for the whole run (-p) and ended afterwards, the kiosk's Windows font names replaced by
# the free CJK fonts, code page 936, and a private X server for wine's windows. A subshell, so
# none of this reaches the caller's environment.
windows_test() (
  build=$PWD/build/windows
  export WINEPREFIX=$build/wineprefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export LC_ALL=zh_CN.UTF-8
  # The server picks a free display number and writes it to the pipe.
  display_file=$build/xvfb-display
  rm -f "$display_file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  while [ ! -s "$display_file" ] && kill -0 "$xvfb" 2>/dev/null; do sleep 0.1; done
  export DISPLAY=:$(cat "$display_file")
  mkdir -p "$WINEPREFIX"  # wineserver starts in the prefix, which a fresh build has not got yet
  wineserver -p
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
  status=0
  (
    set -e
    replacements='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$replacements" /v 宋体 /t REG_SZ /d "AR PL UMing CN" /f >/dev/null
    wine reg add "$replacements" /v 黑体 /t REG_SZ /d "WenQuanYi Zen Hei Mono" /f >/dev/null
    wine reg add "$replacements" /v 楷体_GB2312 /t REG_SZ /d "AR PL UKai CN" /f >/dev/null
    # Xvfb runs no window manager: wine then manages focus itself, at once, instead of waiting
    # for a manager that never answers (keys would be lost and every close would take seconds).
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
    cd "$build" && ctest --output-on-failure -j "${JOBS:-2}" "$@"
  ) || status=$?
  wineserver -k || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  exit $status
)

# build/invoiceview-<version>-win32.zip: what a Windows kiosk integrator needs, in one folder.
windows_package() (
  build=$PWD/build/windows
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  name=invoiceview-$version-win32
  stage=$build/package/$name
  rm -rf "$build/package"
  cmake -DSOURCE="$PWD" -DBUILD="$build" -DSTAGE="$stage" -P cmake/windows/package_folder.cmake
  # Dated by the commit, so that every build of it gives the same zip.
  cmake/windows/zip_folder.sh "$stage" "build/$name.zip" "${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
  echo "run: built build/$name.zip"
)
