#!/usr/bin/env bash
# Builds the release from the windows build tree (Release): the installer
# dist/orvane-VERSION-setup.exe and the portable dist/orvane-VERSION-portable.zip,
# both holding orvane.exe, the "Lang" folder with the language files of lang/,
# the sample configuration "Sample.orv" and the user message list
# "MyMsgList.txt". VERSION is the project's version, as the build wrote it.
#   scripts/make-dist.sh [BUILD_DIR [OUT_DIR]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
out=${2:-dist}

version=$(tr -d '[:space:]' <"$build/orvane-version.txt")
[ -n "$version" ] || { echo "no version in $build/orvane-version.txt" >&2; exit 1; }
grep -q "Release" <(grep '^CMAKE_BUILD_TYPE:' "$build/CMakeCache.txt") ||
  { echo "$build is not a Release build" >&2; exit 1; }

work="$build/dist"
stage="$work/Orvane"
rm -rf "$work"
mkdir -p "$stage/Lang" "$out"
cp "$build/orvane.exe" package/Sample.orv package/MyMsgList.txt "$stage/"
cp "$build/orvane.ico" "$work/"

# The language files, and the lines that install and remove exactly them.
: >"$work/lang.nsh"
: >"$work/unlang.nsh"
shopt -s nullglob
languages=(lang/*.lng)
[ ${#languages[@]} -gt 0 ] && echo "  SetOutPath \"\$INSTDIR\\Lang\"" >>"$work/lang.nsh"
for file in "${languages[@]}"; do
  name=$(basename "$file")
  cp "$file" "$stage/Lang/"
  echo "  File \"\${STAGE}\\Lang\\$name\"" >>"$work/lang.nsh"
  echo "  Delete \"\$INSTDIR\\Lang\\$name\"" >>"$work/unlang.nsh"
done
[ ${#languages[@]} -gt 0 ] || echo "note: lang/ holds no language files; the Lang folder is empty" >&2

setup="$out/orvane-$version-setup.exe"
zip="$out/orvane-$version-portable.zip"
rm -f "$setup" "$zip"
makensis -V2 -DVERSION="$version" -DSTAGE="$(realpath "$stage")" -DOUTFILE="$(realpath "$out")/$(basename "$setup")" \
  package/orvane.nsi
# The portable zip unpacks to one folder, "Orvane-VERSION".
rm -rf "$work/Orvane-$version"
cp -r "$stage" "$work/Orvane-$version"
(cd "$work" && zip -qr -X portable.zip "Orvane-$version")
mv "$work/portable.zip" "$zip"
echo "$setup"
echo "$zip"
