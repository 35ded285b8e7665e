#!/bin/bash
# Prints NOTICES.txt of the win32 release: the copyright and licence texts of every third-party
# library linked into the binaries. What is linked is read from the binaries' link maps (the
# archives the linker took members from); each archive's texts are its Debian package's copyright
# file: for libxml2, libjpeg-turbo and libpng the source package they were cross-built from, for
# the rest the installed package that holds the archive (src: marks a source package). An archive
# of neither kind stops it.
# usage: notices.sh DEPS_PREFIX BINARY.map...   (a map is named after its binary: kiosk-host.exe.map)
set -euo pipefail
deps_prefix=$1
shift
deps_sources=$(dirname "$deps_prefix")/src

# "package<TAB>version<TAB>copyright file" of one archive.
origin() {
  local archive=$1 source
  if [[ $archive == "$deps_prefix"/* ]]; then
    case $(basename "$archive") in
      libxml2.a) source=libxml2 ;;
      libjpeg.a) source=libjpeg-turbo ;;
      libpng.a | libpng16.a) source=libpng1.6 ;;
      *) echo "notices.sh: no source package known for $archive" >&2; return 1 ;;
    esac
    local dsc && dsc=$(ls "$deps_sources/${source}_"*.dsc)
    local folder && folder=$(ls -d "$deps_sources/$source-"*/)
    printf '%s\t%s\t%s\n' "src:$source" "$(sed -n 's/^Version: //p' "$dsc")" "${folder}debian/copyright"
  else
    local package && package=$(dpkg -S "$(realpath "$archive")" | cut -d: -f1)
    printf '%s\t%s\t%s\n' "$package" "$(dpkg-query -W -f='${Version}' "$package")" "/usr/share/doc/$package/copyright"
  fi
}

# Each archive a map lists as taken from, once (dpkg -S is slow), with the binaries that took it.
declare -A binaries versions copyrights archive_binaries
for map in "$@"; do
  for archive in $(grep -oE '^/[^ (]+\.a\(' "$map" | sed 's/($//' | sort -u); do
    archive_binaries[$archive]+=" $(basename "$map" .map)"
  done
done
for archive in "${!archive_binaries[@]}"; do
  IFS=$'\t' read -r package version copyright < <(origin "$archive")
  binaries[$package]+=${archive_binaries[$archive]}
  versions[$package]=$version
  copyrights[$package]=$copyright
done

rule=$(printf '=%.0s' {1..100})
cat <<EOF
Third-party software in this release

invoiceview.dll and the programs beside it (kiosk-host.exe, invoice-render.exe, kiosk-check.exe)
contain, linked statically, the libraries below. For each: the Debian package it was built from
or taken from, with its version, the binaries that contain it, and that package's copyright file,
which gives the copyright holders and the licence texts.

The GCC run-time libraries (libstdc++, libgcc) are under the GCC Runtime Library Exception, which
allows them in binaries under any licence; the MinGW-w64 run-time and its winpthreads are under
the permissive licences that its copyright file lists.
EOF
# Packages whose copyright files are the same text (the GCC front ends) are printed once.
declare -A names in_binaries files
order=()
for package in $(printf '%s\n' "${!binaries[@]}" | sort); do
  sum=$(sha256sum <"${copyrights[$package]}" | cut -d' ' -f1)
  [[ -n ${files[$sum]:-} ]] || order+=("$sum")
  names[$sum]+="${names[$sum]:+, }$package ${versions[$package]}"
  in_binaries[$sum]+="${binaries[$package]}"
  files[$sum]=${copyrights[$package]}
done
for sum in "${order[@]}"; do
  printf '\n%s\n%s\nin: %s\n%s\n\n' "$rule" "${names[$sum]}" \
    "$(tr ' ' '\n' <<<"${in_binaries[$sum]}" | sed '/^$/d' | sort -u | paste -sd, | sed 's/,/, /g')" "$rule"
  cat "${files[$sum]}"
done
