#!/usr/bin/env bash
# The .deb made from a build carries the manual page of its version, the
# changelog and the copyright file. lintian checks the release's .deb
# (scripts/package).
# Usage: check_deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(find "$work" -maxdepth 1 -name '*.deb')

status=0
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/ohmcalc ./usr/share/man/man1/ohmcalc.1.gz ./usr/share/doc/ohmcalc/changelog.gz \
            ./usr/share/doc/ohmcalc/copyright; do
  grep -qxF "$file" <<<"$contents" || { echo "missing in the package: $file"; status=1; }
done
dpkg-deb -x "$deb" "$work/root"
manual=$(zcat "$work/root/usr/share/man/man1/ohmcalc.1.gz")
grep -q '^\.SH ERRORS' <<<"$manual" || { echo "manual page unreadable"; status=1; }
grep -qF "\"ohmcalc $version\"" <<<"$manual" || { echo "manual page not of version $version"; status=1; }
grep -q '^License: Expat' "$work/root/usr/share/doc/ohmcalc/copyright" || { echo "no licence in copyright"; status=1; }
((status == 0)) && echo "package complete: $(basename "$deb")"
exit $status
