# The arm64 stage of ./run: bash functions, sourced by ./run (whose install_packages, build and
# run_tests they use), which calls them from the source folder. arm64_install sets the machine up, arm64_build cross-builds the `arm64` preset,
# arm64_test runs its tests under qemu-aarch64 and arm64_package makes its Debian package.

# Debian's cross compiler, the arm64 libraries through multiarch (their libc brings the dynamic
# loader that qemu-aarch64 then finds in its usual place), and the emulator.
ARM64_PACKAGES=(
  crossbuild-essential-arm64 qemu-user dpkg-dev lintian
  libfreetype-dev:arm64 libfontconfig-dev:arm64 libxml2-dev:arm64 libjpeg62-turbo-dev:arm64
  libpng-dev:arm64 libsdl2-dev:arm64 libgtest-dev:arm64 libgmock-dev:arm64
)

arm64_install() {
  local sudo="" update=()
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  if ! dpkg --print-foreign-architectures | grep -qx arm64; then
    $sudo dpkg --add-architecture arm64
    update=(--update)
  fi
  install_packages "${update[@]}" "${ARM64_PACKAGES[@]}"
}

# The release build for arm64: the plug-in, the programs and the tests that run under qemu.
arm64_build() { build arm64; }

# ctest in build/arm64: the arm64 test programs under qemu-aarch64 (the preset's emulator), then
# the release build's end-to-end programs against the arm64 programs and plug-in.
arm64_test() { run_tests arm64 "$@"; }

# build/invoiceview_<version>_arm64.deb, its dependencies read from the arm64 libraries.
arm64_package() {
  DEB_HOST_ARCH=arm64 debian_package arm64
}
