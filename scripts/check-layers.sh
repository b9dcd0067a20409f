#!/usr/bin/env bash
# Fails on an #include that runs up the layers written in src/CMakeLists.txt (KELVRA_LAYERS), or
# from core code into Qt code (a qt/ folder or widgets/). A qt/ folder may include widgets/.
# Usage: check-layers.sh [SRC_DIR]
set -euo pipefail
src=${1:-$(dirname "$0")/../src}

layers=$(awk '/^set\(KELVRA_LAYERS/ {on=1} on {print} on && /\)/ {exit}' "$src/CMakeLists.txt" |
    tr -d '()' | sed 's/set//; s/KELVRA_LAYERS//')
[ -n "$layers" ] || { echo "check-layers: no KELVRA_LAYERS in $src/CMakeLists.txt" >&2; exit 2; }
declare -A rank
i=0
for l in $layers; do rank[$l]=$i; i=$((i + 1)); done

is_qt() { [[ $1 == */qt/* || $1 == widgets/* ]]; }

bad=0
while IFS= read -r -d '' file; do
    rel=${file#"$src"/}
    from=${rel%%/*}
    [ "$from" = "$rel" ] && continue # files at the top of src/
    if [ -z "${rank[$from]+x}" ]; then
        echo "$rel: folder '$from' is not in KELVRA_LAYERS"
        bad=1
        continue
    fi
    while IFS=: read -r line inc; do
        [[ $inc == */* ]] || continue
        to=${inc%%/*}
        if [ -z "${rank[$to]+x}" ]; then
            echo "$rel:$line: includes \"$inc\" from a folder not in KELVRA_LAYERS"
            bad=1
        elif is_qt "$rel" && [[ $inc == widgets/* ]]; then
            : # every view draws with the widget kit, whatever its subsystem's layer
        elif [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
            echo "$rel:$line: $from may not include \"$inc\" ($to is a higher layer)"
            bad=1
        elif is_qt "$inc" && ! is_qt "$rel"; then
            echo "$rel:$line: core code may not include Qt code \"$inc\""
            bad=1
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
             sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/')
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
exit $bad
