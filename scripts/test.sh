#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (no display needed).
#   scripts/test.sh [PRESET] [--bench]
# The quick checks (formatting, the include layers) run before the build, so a slip there fails
# in seconds. The benchmarks are built only with --bench: no test runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=default
bench=OFF
for arg in "$@"; do
  case "$arg" in
    --bench) bench=ON ;;
    -*) echo "usage: scripts/test.sh [PRESET] [--bench]" >&2; exit 2 ;;
    *) preset="$arg" ;;
  esac
done
scripts/setup.sh
cmake --preset "$preset" -DKELVRA_BUILD_BENCH="$bench"
if [ "$preset" = default ] && command -v clang-format >/dev/null; then
  cmake --build --preset default --target format-check
fi
scripts/check-layers.sh
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
