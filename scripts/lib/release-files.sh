# shellcheck shell=bash
# Sourced by the release scripts: every release file carries one time, and
# lands in build/package.

SOURCE_DATE_EPOCH=$("$(dirname "${BASH_SOURCE[0]}")/source-date-epoch")
export SOURCE_DATE_EPOCH

# Builds TARGETS of the configure preset PRESET into build/PRESET/release,
# made afresh so that its files carry this time even if nothing changed, and
# copies them to build/package.
# Usage: build_release_files PRESET TARGET...
build_release_files() {
  local preset=$1 file
  shift
  cmake --preset "$preset" >/dev/null
  rm -rf "build/$preset/release"
  cmake --build --preset "$preset" --target "$@"
  mkdir -p build/package
  for file in "build/$preset/release"/*; do
    cp "$file" build/package/
    echo "build/package/${file##*/}: $(stat -c %s "$file") bytes"
  done
}
