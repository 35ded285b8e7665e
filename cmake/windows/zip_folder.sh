#!/bin/bash
# Zips FOLDER (its name the zip's top folder) into ZIP, the same bytes whatever folder it lies
# in and whenever or in which order its files were written: every entry in byte order of its
# path, each dated EPOCH (seconds), with no extra fields (owner, access and change times).
# usage: zip_folder.sh FOLDER ZIP EPOCH
set -euo pipefail
folder=$1 zip=$(realpath -m "$2") epoch=$3
cd "$(dirname "$folder")"
name=$(basename "$folder")
find "$name" -exec touch -h -d "@$epoch" {} +
rm -f "$zip"
find "$name" | LC_ALL=C sort | TZ=UTC zip -X -q "$zip" -@
