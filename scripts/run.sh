#!/usr/bin/env bash
# Installs what is missing, builds Kelvra and starts it on its bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default
# A first start opens the bundled sample round rather than an empty round 1; after that the
# window remembers the round it was closed on.
ini=build/bin/SysData/Kelvra.ini
[ -e "$ini" ] || printf 'Kaisaikai = 9001\r\n' >"$ini"
exec build/bin/kelvra "$@"
