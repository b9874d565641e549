#!/usr/bin/env bash
# The program file needs no DLL beyond those every Windows has.
# Usage: check_imports.sh OHMCALC_EXE
set -euo pipefail
imports=$(x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ {print $3}' | sort -f)
echo "imports: ${imports//$'\n'/ }"
unexpected=$(grep -viE '^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32)\.dll$' <<<"$imports" || true)
[[ -z $unexpected ]] || { echo "unexpected DLLs: $unexpected"; exit 1; }
