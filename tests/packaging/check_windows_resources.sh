#!/usr/bin/env bash
# The Windows resource script compiles, and the result carries the version
# block, with the build's publisher and title, and the icon. The version 1.0.0
# must read "1.00".
# Usage: check_windows_resources.sh RC_FILE VERSION RELEASE_TEXT PUBLISHER TITLE [-DDEFINITION | -IFOLDER]...
set -euo pipefail
rc=$1 version=$2 release=$3 publisher=$4 title=$5
shift 5
windres=$(command -v x86_64-w64-mingw32-windres || command -v windres)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

LC_ALL=C grep -q -P '[^\x00-\x7F]' "$rc" && { echo "not ASCII: $rc"; exit 1; }
(cd "$(dirname "$rc")" && "$windres" --preprocessor=cpp "$@" -i "$(basename "$rc")" -O res -o "$work/ohmcalc.res")
"$windres" -i "$work/ohmcalc.res" -O rc -o "$work/decompiled.rc"

status=0
expect() { grep -qF -- "$1" "$work/decompiled.rc" || { echo "missing in the compiled resources: $1"; status=1; }; }
[[ $version != 1.0.0 || $release == 1.00 ]] || { echo "1.0.0 reads $release, not 1.00"; status=1; }
expect "FILEVERSION ${version//./, }, 0"
expect "PRODUCTVERSION ${version//./, }, 0"
expect 'BLOCK "080404B0"'
expect "VALUE \"FileVersion\", \"$release\""
expect "VALUE \"ProductVersion\", \"$release\""
expect "VALUE \"CompanyName\", \"$publisher\""
# The decompiler writes what is not ASCII as UTF-16 escapes.
escaped_title=$(python3 -c 'import sys; print("".join(c if ord(c) < 128 else "\\x%x" % ord(c) for c in sys.argv[1]))' "$title")
expect "VALUE \"ProductName\", L\"$escaped_title\""
expect 'VALUE "Translation", 0x804, 1200'
expect 'LANGUAGE 4, 2'
expect 'RT_GROUP_ICON'
icons=$(grep -c 'RT_ICON \*/' "$work/decompiled.rc")
((icons == 4)) || { echo "expected 4 icon images, found $icons"; status=1; }
((status == 0)) && echo "resources compile: version $release, Chinese (PRC), $icons icon images"
exit $status
