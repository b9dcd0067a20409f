#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
preset="${1:-default}"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
if [ "$preset" = default ] && command -v clang-format >/dev/null; then
  cmake --build --preset default --target format-check
fi
