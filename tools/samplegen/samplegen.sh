#!/bin/bash
# Writes the sample project into the folder given as the only argument: the
# palette images, the standard bitmaps, the toolbar images and the folders a
# project needs. The pictures are drawn by sampleimages.awk, which prints each
# file as a line "F name" followed by lines of octal escapes; printf turns the
# escapes back into bytes. Needs only bash and awk.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 OUTPUT_FOLDER" >&2
  exit 2
fi
out="$1"
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$out.tmp"
rm -rf "$tmp" "$tmp.txt"
# "data" present means the editor starts without asking to copy "default".
mkdir -p "$tmp/bmp/plt" "$tmp/e_bmp" "$tmp/data"
# bash reads a regular file in blocks but a pipe one byte at a time.
LC_ALL=C awk -f "$here/sampleimages.awk" >"$tmp.txt"
files=0
done_mark=0
while IFS= read -r line; do
  case $line in
    F*)
      exec 3>"$tmp/${line#F}"
      files=$((files + 1))
      ;;
    E) done_mark=1 ;;
    *) printf "$line" >&3 ;;
  esac
done <"$tmp.txt"
exec 3>&-
rm -f "$tmp.txt"
if [ "$done_mark" != 1 ] || [ "$files" -lt 26 ]; then
  echo "samplegen: drawing failed after $files images" >&2
  exit 1
fi
# Replace the old folder only when the new one is complete.
rm -rf "$out"
mv "$tmp" "$out"
