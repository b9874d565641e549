#!/usr/bin/env bash
# The installer's summary and tables, read with msiinfo: Chinese (PRC), 64-bit,
# the program's title, version and publisher, and no Modify or Repair.
# Usage: check_msi.sh OHMCALC.msi VERSION TITLE PUBLISHER DOWNGRADE_MESSAGE
set -euo pipefail
msi=$1 version=$2 title=$3 publisher=$4 downgrade_message=$5
failures=0
expect() {  # what, wanted line, text
  if ! grep -qxF -- "$2" <<<"$3"; then
    echo "FAIL: $1: no line '$2' in:"
    # shellcheck disable=SC2001  # every line, not only the first
    sed 's/^/  /' <<<"$3"
    failures=$((failures + 1))
  fi
}

summary=$(msiinfo suminfo "$msi")
expect "template" "Template: x64;2052" "$summary"
expect "subject" "Subject: $title" "$summary"
expect "author" "Author: $publisher" "$summary"

properties=$(msiinfo export "$msi" Property | tr -d '\r')
for row in "ProductLanguage	2052" "ProductName	$title" "ProductVersion	$version" "Manufacturer	$publisher" \
  "UpgradeCode	{1EAD2693-5A86-4CDB-90FD-47823C55D09C}" "ARPNOMODIFY	1" "ARPNOREPAIR	1" \
  "ARPPRODUCTICON	ohmcalc.ico"; do
  expect "Property table" "$row" "$properties"
done
expect "code page" "936	_ForceCodepage" "$(msiinfo export "$msi" _ForceCodepage | tr -d '\r')"
expect "downgrade message" \
  "NOT WIX_DOWNGRADE_DETECTED	$downgrade_message" \
  "$(msiinfo export "$msi" LaunchCondition | tr -d '\r')"
shortcut=$(msiinfo export "$msi" Shortcut | tr -d '\r' | tail -n 1 | cut -f3,9)
expect "shortcut name and icon" "ohmcalc|$title	ohmcalc.ico" "$shortcut"

((failures == 0)) && echo "installer tables as expected"
exit $((failures > 0))
