#!/usr/bin/env bash
# Installs the Debian packages (and the npm packages of the lock files) that
# the named sets need, only those that are missing.
# Usage: scripts/ensure-deps.sh [--list] SET...   (default: run)
#   --list prints the sets' Debian packages and installs nothing.
#   run        building and starting the Linux program (scripts/run)
#   linux      the Linux edition's tests       } scripts/test EDITION;
#   windows    the Windows edition's tests     } test is all three
#   web        the web edition's tests         }
#   web-build  building the web edition (scripts/build-web, scripts/package-web)
#   package    building the .deb and checking it with lintian (scripts/package)
#   release    every release file, built twice and compared (scripts/release)
#   bench      the benchmarks;  fuzz  the fuzz targets;  lint  scripts/lint
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# One list a set; a set may name others (@set). A package an edition's tests
# need goes on that edition's line.
declare -A sets=(
  [run]="cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n fonts-noto-cjk"
  [linux]="@run libgtest-dev locales desktop-file-utils appstream dpkg-dev file @screen-reader"
  [windows]="cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 fonts-wine fonts-arphic-uming fonts-noto-cjk wixl msitools python3 xvfb locales"
  [web]="@web-build chromium firefox-esr webkit2gtk-driver fonts-noto-cjk xvfb npm @screen-reader locales"
  [screen-reader]="orca speech-dispatcher speech-dispatcher-audio-plugins at-spi2-core openbox xdotool dbus xvfb"
  [web-build]="cmake make emscripten python3 googletest nodejs"
  [test]="@linux @windows @web"
  [package]="@run dpkg-dev file lintian python3"
  [release]="@package @windows @web-build diffoscope-minimal"
  [bench]="@linux libbenchmark-dev libx11-dev libxres-dev xvfb"
  [fuzz]="cmake make g++ clang libclang-rt-14-dev"
  [lint]="cmake g++ make clang-format clang-tidy shellcheck nodejs npm"
)
# The locales the tests run in: a comma-decimal one, so they can prove the
# process locale changes nothing, and a Chinese one, in which Wine draws the
# report's own button and Orca speaks.
declare -A locales=([linux]="de_DE zh_CN" [windows]="de_DE zh_CN" [web]="zh_CN")
# The npm packages, pinned by their lock files: the browser tests' drivers,
# and the type checker (with the drivers' types, for the tests' code).
declare -A npm_folders=([web]="tests/web" [lint]="tests/web scripts/typecheck")

declare -A chosen=()
choose() {
  local item
  [[ -n ${sets[$1]+set} ]] || { echo "ensure-deps: no set '$1' (sets: ${!sets[*]})" >&2; exit 2; }
  [[ -z ${chosen[$1]+set} ]] || return 0
  chosen[$1]=1
  for item in ${sets[$1]}; do
    if [[ $item == @* ]]; then choose "${item#@}"; fi
  done
}
list=false
if [[ ${1:-} == --list ]]; then list=true; shift; fi
(($#)) || set -- run
for name in "$@"; do choose "$name"; done

packages=() wanted_locales=() folders=()
for name in "${!chosen[@]}"; do
  for item in ${sets[$name]}; do [[ $item == @* ]] || packages+=("$item"); done
  for item in ${locales[$name]:-}; do wanted_locales+=("$item"); done
  for item in ${npm_folders[$name]:-}; do folders+=("$item"); done
done

if $list; then printf '%s\n' "${packages[@]}" | sort -u; exit 0; fi

# Node.js and npm: Debian's, unless the machine already has a node and npm
# of its own (their packages would conflict).
kept=()
for package in "${packages[@]}"; do
  case $package in
    nodejs) command -v node >/dev/null || kept+=(nodejs) ;;
    npm) command -v npm >/dev/null || kept+=(npm) ;;
    *) kept+=("$package") ;;
  esac
done

missing=()
for package in $(printf '%s\n' "${kept[@]}" | sort -u); do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

as_root() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

# Another apt may be running: installs wait for its lock, and an update,
# which cannot wait, tries again.
apt=(apt-get -o DPkg::Lock::Timeout=900)
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  deadline=$((SECONDS + 900))
  until as_root "${apt[@]}" update -qq; do
    ((SECONDS < deadline)) || exit 1
    echo "apt-get update failed; trying again in 10 s" >&2
    sleep 10
  done
  as_root env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi

absent=()
for name in $(printf '%s\n' "${wanted_locales[@]}" | sort -u); do
  locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$" || absent+=("$name")
done
if ((${#absent[@]})); then
  for name in "${absent[@]}"; do as_root sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen; done
  as_root locale-gen >/dev/null
fi

# Puppeteer drives Debian's Firefox and downloads no browser of its own.
for folder in $(printf '%s\n' "${folders[@]}" | sort -u); do
  folder=$here/../$folder
  if [[ ! -f $folder/node_modules/.package-lock.json || $folder/package-lock.json -nt $folder/node_modules/.package-lock.json ]]; then
    (cd "$folder" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
  fi
done
