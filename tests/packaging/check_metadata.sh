#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo validate, and the metainfo's
# latest release is the build's version.
# Usage: check_metadata.sh DESKTOP_FILE METAINFO_FILE VERSION
set -euo pipefail
desktop-file-validate "$1"
appstreamcli validate --no-net "$2"
grep -q '^Name\[zh_CN\]=' "$1"
grep -q '<summary xml:lang="zh_CN">' "$2"
grep -q "<release version=\"$3\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\">" "$2"
grep -q '<project_license>MIT</project_license>' "$2"
# No web address the project does not own.
if grep -n 'https\?://' "$1" "$2"; then echo "web address in the metadata"; exit 1; fi
echo "metadata valid"
