#!/usr/bin/env bash
# An install into a scratch folder puts every file where desktops look for it.
# Usage: check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/ohmcalc
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/ohmcalc.1.gz
  share/doc/ohmcalc/changelog.gz
  share/doc/ohmcalc/copyright
)
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done

status=0
for file in "${expected[@]}"; do
  [[ -f $prefix/$file ]] || { echo "missing: $file"; status=1; }
done
[[ -x $prefix/bin/ohmcalc ]] || { echo "not executable: bin/ohmcalc"; status=1; }
for size in 16 22 24 32 48 64 128 256; do
  info=$(file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")
  [[ $info == *"$size x $size"* ]] || { echo "wrong size: ${size}x${size} is $info"; status=1; }
done
unexpected=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | grep -vxF -f <(printf '%s\n' "${expected[@]}")) || true
[[ -z $unexpected ]] || { echo "unexpected files:"; echo "$unexpected"; status=1; }
((status == 0)) && echo "install complete: ${#expected[@]} files"
exit $status
