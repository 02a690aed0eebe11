#!/usr/bin/env bash
# The release ZIP as a user gets it: made by scripts/package, unpacked into an empty folder,
# holding exactly the files it should, its texts as Notepad needs them, its programs stripped and
# carrying their manifest, version and icon, and both programs run from that folder under Wine:
# started, a sample opened, saved, ended with status 0.
# Usage: as_shipped.sh SOURCE_DIR ARCH VERSION WINE_RUN WINDOWS_TESTS_DIR WORK_DIR
set -euo pipefail
root=$1 arch=$2 version=$3 wine_run=$4 tests=$5 work=$6
windows_path() { echo "Z:$(echo "$1" | tr / '\\')"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/unpacked"
bash "$root/scripts/package" --arch "$arch" --out "$work/dist"
suffix=win32
[ "$arch" = x86_64 ] && suffix=win64
name=Quillmere-Varnholt-$version-$suffix
zip=$work/dist/$name.zip
(cd "$work/dist" && sha256sum -c SHA256SUMS) || fail "SHA256SUMS does not match"

expected="$name/
$name/CHANGES.txt
$name/Kelpwood.ini
$name/LICENSE.txt
$name/Quillmere.exe
$name/README.txt
$name/Varnholt.exe"
[ "$(unzip -Z1 "$zip")" = "$expected" ] || fail "the ZIP holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"
(cd "$work/unpacked" && unzip -q "$zip")
dir=$work/unpacked/$name

for text in README.txt LICENSE.txt CHANGES.txt; do
  [ "$(head -c 3 "$dir/$text" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "$text has no UTF-8 byte order mark"
  iconv -f UTF-8 -t UTF-8 "$dir/$text" >/dev/null || fail "$text is not UTF-8"
  ! LC_ALL=C grep -qv $'\r$' "$dir/$text" || fail "$text has a line not ended by CRLF"
done
grep -q "$version" "$dir/README.txt" || fail "README.txt does not name version $version"
grep -q "^$version" "$dir/CHANGES.txt" || fail "CHANGES.txt has no entry for $version"
[ "$(od -An -c "$dir/Kelpwood.ini" | tr -s ' \n' ' ')" = \
  "$(printf '[Init]\r\nPath=C:\\Program Files\\Koei\\San8\\\r\n' | od -An -c | tr -s ' \n' ' ')" ] ||
  fail "Kelpwood.ini is not the default ini"
for exe in Quillmere.exe Varnholt.exe; do
  sections=$("$arch-w64-mingw32-objdump" -h "$dir/$exe")
  ! grep -q '\.debug_' <<<"$sections" || fail "$exe keeps debug sections"
  grep -q '\.gnu_debuglink' <<<"$sections" || fail "$exe names no debug file"
done

"$wine_run" "$tests/check_release_resources.exe" "$version" \
  "$(windows_path "$dir/Quillmere.exe")" "$(windows_path "$dir/Varnholt.exe")"
export EDITORS_PROGRAM_DIR
EDITORS_PROGRAM_DIR=$(windows_path "$dir")
"$wine_run" "$tests/program_smoke_tests.exe"
"$wine_run" "$tests/varnholt_ui_tests.exe" --gtest_filter='VarnholtProgramTest.*'
echo "as shipped: $(basename "$zip") $(stat -c %s "$zip") bytes, sha256 $(sha256sum "$zip" | cut -c1-64)"
