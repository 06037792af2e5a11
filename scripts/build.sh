#!/usr/bin/env bash
# One entry point for a fresh Debian machine:
#   scripts/build.sh example   build, then export the shipped example scene
#   scripts/build.sh test      build with g++ and clang++, run every test
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in example|test) ;; *) echo "usage: $0 example|test" >&2; exit 2 ;; esac

bash scripts/install-deps.sh

jobs=$(nproc)
configure_and_build() {  # build-dir compiler
  cmake -S . -B "$1" -G Ninja -DCMAKE_CXX_COMPILER="$2" -DCORVATRIX_WERROR=ON >/dev/null
  cmake --build "$1" -j "$jobs"
}

if [ "$mode" = example ]; then
  configure_and_build build g++
  ./build/bin/corvatrix export examples/castle.json out/Castle.t3d
  echo "The map, its EXEC script and the static meshes are in $(pwd)/out/"
  exit 0
fi

configure_and_build build g++
ctest --test-dir build --output-on-failure -j "$jobs"
configure_and_build build-clang clang++
ctest --test-dir build-clang --output-on-failure -j "$jobs"
