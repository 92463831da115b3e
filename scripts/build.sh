#!/usr/bin/env bash
# Installs what is missing, then configures and builds into build/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true

bash scripts/install-deps.sh

options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
# CI builds with warnings as errors.
[ "${CI:-}" = true ] && options+=(-DNUMIVOX_WARNINGS_AS_ERRORS=ON)
cmake -S . -B "$build_dir" "${options[@]}" "$@" >/dev/null
cmake --build "$build_dir"
