#!/usr/bin/env bash
# Installs what is missing, builds Kelvra and starts it on its bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default
exec build/bin/kelvra "$@"
