#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest. Also builds the
# calculator with AddressSanitizer and UndefinedBehaviorSanitizer and runs its tests there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh build
bash scripts/build.sh build-sanitize -DNUMIVOX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -L sanitize)
cd build && ctest --output-on-failure -j2
