#!/usr/bin/env bash
# Two builds of one source give the same release ZIP: the source tree (the files git lists) is
# copied into two folders at different depths, and scripts/package runs in each on its own with
# the commit's time as SOURCE_DATE_EPOCH. The 32-bit programs of that ZIP are then read as
# Windows reads them (manifest, version, icon) by a checker under Wine, which loads them as data.
# Usage: reproducible.sh SOURCE_DIR VERSION WINE_RUN WINDOWS_TESTS_DIR WORK_DIR
set -euo pipefail
root=$1 version=$2 wine_run=$3 tests=$4 work=$5
windows_path() { echo "Z:$(echo "$1" | tr / '\\')"; }

if ! git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  echo "not a git checkout: nothing to take the source and its time from"
  exit 77
fi
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
rm -rf "$work"
hashes=()
for copy in a "b/a deeper folder"; do
  src="$work/$copy/src"
  mkdir -p "$src"
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
     tar --null --ignore-failed-read -T - -cf - 2>/dev/null) | tar -xf - -C "$src"
  start=$(date +%s)
  bash "$src/scripts/package" --out "$work/$copy/dist" >"$work/$copy/package.log" 2>&1 ||
    { cat "$work/$copy/package.log"; exit 1; }
  zip="$work/$copy/dist/Quillmere-Varnholt-$version-win32.zip"
  hashes+=("$(sha256sum "$zip" | cut -c1-64)")
  echo "build in '$copy': $(( $(date +%s) - start )) s, $(stat -c %s "$zip") bytes, sha256 ${hashes[-1]}"
done
if [ "${hashes[0]}" != "${hashes[1]}" ]; then
  echo "FAIL: the two ZIPs differ"
  cmp -l "$work/a/dist/"*.zip "$work/b/a deeper folder/dist/"*.zip | head
  exit 1
fi

build="$work/a/src/build/package-i686"
for exe in Quillmere.exe Varnholt.exe; do
  i686-w64-mingw32-objdump -h "$build/$exe.debug" | grep -q '\.debug_info' ||
    { echo "FAIL: no debug information in $exe.debug beside the program"; exit 1; }
done
mkdir -p "$work/unpacked"
(cd "$work/unpacked" && unzip -q "$work/a/dist/"*.zip)
dir=$(echo "$work/unpacked/"*)
"$wine_run" "$tests/check_release_resources.exe" "$version" \
  "$(windows_path "$dir/Quillmere.exe")" "$(windows_path "$dir/Varnholt.exe")"
