#!/usr/bin/env bash
# Configures and builds Hoopvale into build/ (or $BUILD_DIR), passing extra arguments to CMake; $TARGETS, when
# set, names the only targets to build.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
launcher=()
# A compiler cache, when the machine has one, makes rebuilds of other checkouts cheap: paths inside the
# checkout are hashed relative to it, and the build folder's own path is left out of the hash (with debugging
# information ccache would otherwise hash it), so that a checkout in another folder finds the same entries.
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build_dir" -j "$(nproc)" ${TARGETS:+--target $TARGETS}
