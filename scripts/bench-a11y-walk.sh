#!/usr/bin/env bash
# How long a screen reader waits for the window while a search runs: under Xvfb with the
# accessibility bridge on, bench_window runs a long trial search in the window and a walk of
# the whole accessible tree (as /work/shared/tools/a11y-tree does it) is timed, idle first and
# then several times during the run.
#   usage (from the project's root): scripts/bench-a11y-walk.sh [EXE]
# Needs: xvfb, dbus, at-spi2-core, python3-pyatspi.
set -euo pipefail
exe=${1:-build/bin/bench_window}
home=$(dirname "$exe")
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
xvfb-run -a -s "-screen 0 1400x900x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & bus=$!
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$1" --home "$2" --reps 1 \
    --case sample-e2-long >/dev/null 2>&1 & app=$!
  timeout 300 /usr/bin/python3 - <<"PY" || true
import time, pyatspi
def walk(a):
    n = 1
    try:
        for i in range(min(a.childCount, 400)):
            n += walk(a.getChildAtIndex(i))
    except Exception:
        pass
    return n
def timed():
    desk = pyatspi.Registry.getDesktop(0)
    t = time.monotonic()
    n = sum(walk(desk.getChildAtIndex(i)) for i in range(desk.childCount))
    return time.monotonic() - t, n
# The window stands once its tree has the run button; the run starts right after.
for _ in range(200):
    s, n = timed()
    if n > 100:
        break
    time.sleep(0.1)
print("walk before the run: %.2f s, %d objects" % (s, n))
time.sleep(2)
for k in range(5):
    s, n = timed()
    print("walk during the run (%d): %.2f s, %d objects" % (k + 1, s, n))
    time.sleep(1)
PY
  kill $app 2>/dev/null || true; kill $bus 2>/dev/null || true
' bash "$exe" "$home"
