#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those that are missing.
# Usage: scripts/ensure-deps.sh [run|test|release|package|web]
#   test adds what the tests need (the Windows build and Wine, the web
#   edition and the three browsers it is tested in among them), release the
#   same packages without the tests' npm package and locales, package what
#   building the .deb needs, web what building and serving the web edition
#   needs.
set -euo pipefail

packaging=(dpkg-dev file lintian python3 diffoscope-minimal)
packages=(cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n fonts-noto-cjk)
web=(emscripten python3)
if [[ ${1:-run} == web ]]; then
  packages=(cmake make "${web[@]}")
elif [[ ${1:-run} == test || ${1:-run} == release ]]; then
  packages+=(libgtest-dev googletest libbenchmark-dev locales clang libclang-rt-14-dev xvfb libx11-dev libxres-dev
             desktop-file-utils appstream binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix
             wine wine64 fonts-wine fonts-arphic-uming wixl msitools "${web[@]}" chromium firefox-esr
             webkit2gtk-driver orca speech-dispatcher speech-dispatcher-audio-plugins at-spi2-core openbox xdotool dbus
             "${packaging[@]}")
elif [[ ${1:-run} == package ]]; then
  packages+=("${packaging[@]}")
fi

# Node.js and npm: Debian's, unless the machine already has a node and npm
# of its own (their packages would conflict).
if [[ ${1:-run} == test || ${1:-run} == release || ${1:-run} == web ]]; then
  command -v node >/dev/null || packages+=(nodejs)
  [[ ${1:-run} == web ]] || command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

as_root() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale, so the tests can prove the process locale changes
# nothing, and a Chinese one, in which Wine draws the report's own button.
if [[ ${1:-run} == test ]]; then
  wanted=()
  for name in de_DE zh_CN; do
    locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$" || wanted+=("$name")
  done
  if ((${#wanted[@]})); then
    for name in "${wanted[@]}"; do as_root sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen; done
    as_root locale-gen >/dev/null
  fi
fi

# The browser tests' npm packages, pinned by their lock file; Puppeteer
# drives Debian's Firefox and downloads no browser of its own.
if [[ ${1:-run} == test ]]; then
  tests=$(cd "$(dirname "$0")/../tests/web" && pwd)
  if [[ ! -f $tests/node_modules/.package-lock.json || $tests/package-lock.json -nt $tests/node_modules/.package-lock.json ]]; then
    (cd "$tests" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
  fi
fi
