#!/usr/bin/env bash
# The window's search against the command line's (bench/bench_window.cpp), offscreen and then
# under Xvfb with the accessibility bridge on, as a screen reader runs it. The load goes beside
# each table: on a shared machine only the ratios of one table compare.
#   usage (from the project's root): scripts/bench-window.sh [--reps N] [--case NAME]... [EXE]
set -euo pipefail
args=() exe=""
while [ $# -gt 0 ]; do
  case "$1" in
    --reps|--case) args+=("$1" "$2"); shift 2 ;;
    *) exe="$1"; shift ;;
  esac
done
exe=${exe:-build/bin/bench_window}
home=$(dirname "$exe")
[ -x "$exe" ] || { echo "no $exe: cmake --build --preset default --target bench_window" >&2; exit 2; }
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
quiet() { grep -v -e 'propagateSizeHints' -e 'does not support raise' || true; }

echo "== offscreen; load: $(cut -d' ' -f1-3 /proc/loadavg)"
QT_QPA_PLATFORM=offscreen "$exe" --home "$home" "${args[@]}" 2>&1 | quiet
echo "== Xvfb, accessibility bridge on; load: $(cut -d' ' -f1-3 /proc/loadavg)"
xvfb-run -a -s "-screen 0 1400x900x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@"
  kill $bus 2>/dev/null || true' bench "$exe" --home "$home" "${args[@]}" 2>&1 | quiet
echo "== done; load: $(cut -d' ' -f1-3 /proc/loadavg)"
