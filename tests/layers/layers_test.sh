#!/usr/bin/env bash
# The layer check passes on the tree and fails on each kind of arrow it exists to catch.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check=$root/scripts/check-layers.sh
fail=0
expect() { # expect RC DESCRIPTION SRC_DIR
    "$check" "$3" >"$tmp/out" 2>&1
    local rc=$?
    if [ "$rc" -ne "$1" ]; then
        echo "FAIL: $2 (exit $rc, wanted $1)"; cat "$tmp/out"; fail=1
    fi
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

expect 0 "the tree keeps its layers" "$root/src"

plant() { # plant FILE INCLUDE: a fresh copy of the order with one file in it
    rm -rf "$tmp/src"
    mkdir -p "$tmp/src/$(dirname "$1")"
    cp "$root/src/CMakeLists.txt" "$tmp/src/"
    printf '#pragma once\n#include <vector>\n#include "%s"\n' "$2" >"$tmp/src/$1"
}
plant base/Up.h "app/clsDocument.h"
expect 1 "base including the document" "$tmp/src"
plant lottery/Up.cpp "store/clsTMain.h"
expect 1 "lottery including store" "$tmp/src"
plant files/Qt.h "widgets/clsStatusBar.h"
expect 1 "core code including the widget kit" "$tmp/src"
plant store/Qt.cpp "base/qt/clsQtHost.h"
expect 1 "core code including a qt folder" "$tmp/src"
plant rooms/Unknown.h "base/Currency.h"
expect 1 "a folder the order does not name" "$tmp/src"
plant store/Down.cpp "lottery/VoteRecord.h"
expect 0 "store including lottery" "$tmp/src"
plant app/qt/View.cpp "widgets/clsStatusBar.h"
expect 0 "a view including the widget kit" "$tmp/src"
plant results/qt/View.cpp "widgets/clsGridView.h"
expect 0 "a subsystem's view including the widget kit" "$tmp/src"
plant results/qt/Up.cpp "store/clsTMain.h"
expect 1 "a subsystem's view including a higher layer" "$tmp/src"
plant results/qt/Up.cpp "app/qt/frmMain.h"
expect 1 "a subsystem's view including the main window" "$tmp/src"
plant files/Same.h "files/clsTFileCSV.h"
expect 0 "a file including its own folder" "$tmp/src"
exit $fail
