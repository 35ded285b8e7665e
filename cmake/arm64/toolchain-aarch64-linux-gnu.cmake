# Linux on 64-bit ARM with Debian's cross compiler (crossbuild-essential-arm64) and the arm64
# libraries installed beside the machine's own through multiarch (lib/aarch64-linux-gnu).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(triple aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
# Libraries, their CMake packages and headers are looked for in the arm64 multiarch folders.
set(CMAKE_LIBRARY_ARCHITECTURE ${triple})
# ARMv8 has fused multiply-add, x86-64 without -mfma has not: fusing a*b + c*d would round
# some results (the corners of turned text) otherwise than the x86-64 build. ISO C++ mode
# already keeps them apart; said here so that GNU extensions would not change that.
set(CMAKE_C_FLAGS_INIT -ffp-contract=off)
set(CMAKE_CXX_FLAGS_INIT -ffp-contract=off)
# pkg-config's wrapper for the triple reads the arm64 .pc files only.
set(PKG_CONFIG_EXECUTABLE /usr/bin/${triple}-pkg-config CACHE FILEPATH "pkg-config for arm64")

# Test programs run under qemu-aarch64, which loads them with the arm64 dynamic loader and
# libraries of the multiarch folders.
find_program(IV_QEMU_AARCH64 qemu-aarch64)
if(IV_QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${IV_QEMU_AARCH64})
endif()
