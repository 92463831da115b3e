#!/usr/bin/env bash
# Installs what is missing, builds, and starts Numivox.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
exec build/app/numivox
