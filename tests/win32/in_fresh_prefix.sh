#!/usr/bin/env bash
# Runs a Windows program under Wine in a new, empty prefix, removed after:
# a user's machine before anything of ours was installed on it. Arguments
# after the program are files, passed on as Windows paths.
# Usage: in_fresh_prefix.sh PROGRAM.exe [FILE...]
set -euo pipefail
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i </dev/null >/dev/null 2>&1
# Without a window manager, Wine waits at every map of a managed window.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
wineserver -w
program=$1
shift
files=()
for file in "$@"; do files+=("$(winepath -w "$file" 2>/dev/null)"); done
wine "$program" "${files[@]}" </dev/null
