#!/usr/bin/env bash
# The Debian package as a user gets it: built by CPack from the finished build, unpacked into a
# scratch root with dpkg -x, its desktop files validated, and the installed programs started with
# a fresh HOME. The installed tree is made read-only and must stay untouched: every write goes to
# the per-user data folder.
#
# usage: package_test.sh BUILD_DIR SOURCE_DIR FIXTURE_SERVER|"" GUI(ON|OFF)
set -euo pipefail

build=$1
source=$2
fixture_server=$3
gui=$4

tmp=$(mktemp -d "${TMPDIR:-/tmp}/kelvra-package-XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    chmod -R u+w "$tmp" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Waits up to 20 s for a condition (a command line).
wait_for() {
    for _ in $(seq 200); do
        if eval "$1"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# --- the package --------------------------------------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$tmp"/pkg/kelvra_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-ipafont-gothic qt6-translations-l10n libc6 libcurl4; do
    [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done
if [ "$gui" = ON ]; then
    [[ "$depends" == *libqt6widgets6* ]] || fail "Depends lacks the Qt libraries: $depends"
    [[ "$depends" == *libqt6charts6* ]] || fail "Depends lacks Qt Charts: $depends"
fi

root=$tmp/root
dpkg -x "$deb" "$root"
usr=$root/usr
for f in bin/kelvra-cli share/kelvra/SysData/TeamName.dat share/kelvra/SysData/TeamName1.dat \
    share/kelvra/SysData/TeamName2.dat share/kelvra/SysData/J1J2.dat \
    share/kelvra/UserData/Kelvra/sample.drd share/applications/jp.kelvra.Kelvra.desktop \
    share/metainfo/jp.kelvra.Kelvra.metainfo.xml share/mime/packages/jp.kelvra.Kelvra.xml \
    share/icons/hicolor/scalable/apps/jp.kelvra.Kelvra.svg \
    share/icons/hicolor/256x256/apps/jp.kelvra.Kelvra.png share/doc/kelvra/copyright; do
    [ -f "$usr/$f" ] || fail "not installed: /usr/$f"
done
# The manual pages are what the installed programs print for --help-man (the text of --help).
programs=(kelvra-cli)
[ "$gui" = ON ] && programs+=(kelvra)
for prog in "${programs[@]}"; do
    page=$usr/share/man/man1/$prog.1.gz
    [ -f "$page" ] || fail "not installed: /usr/share/man/man1/$prog.1.gz"
    [ "$(gzip -dc "$page")" = "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= \
        "$usr/bin/$prog" --help-man)" ] || fail "$prog(1) is not the program's own --help-man"
done

# Built hardened, as Debian builds its packages: full RELRO, fortified functions, stack
# protector. lintian, where installed, must agree.
for prog in "${programs[@]}"; do
    # Read once: grep -q would end the pipe early, and pipefail take readelf's SIGPIPE.
    elf=$(readelf -lW -dW --dyn-syms "$usr/bin/$prog")
    grep -q GNU_RELRO <<<"$elf" || fail "$prog: no RELRO"
    grep -Eq '\((FLAGS|FLAGS_1)\).*\bNOW\b' <<<"$elf" || fail "$prog: not bound now"
    grep -q '__[a-z]*_chk' <<<"$elf" || fail "$prog: no fortified functions"
    grep -q '__stack_chk_fail' <<<"$elf" || fail "$prog: no stack protector"
done
if command -v lintian >/dev/null; then
    lintian --tags hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-relro,hardening-no-pie \
        "$deb" >"$tmp/lintian.log" 2>"$tmp/lintian.err" || true
    [ ! -s "$tmp/lintian.log" ] || { cat "$tmp/lintian.log" >&2; fail "lintian hardening tags"; }
fi

# The build folder's own SysData collects settings and downloads; none of that may ship.
for f in totoSettings.ini Kelvra.ini Printer.ini TeamName3.dat; do
    [ ! -e "$usr/share/kelvra/SysData/$f" ] || fail "shipped a file the program writes: $f"
done

desktop-file-validate "$usr/share/applications/jp.kelvra.Kelvra.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/jp.kelvra.Kelvra.metainfo.xml" >"$tmp/as.log" ||
    { cat "$tmp/as.log" >&2; fail "AppStream metadata"; }
grep -q '^Exec=kelvra %F$' "$usr/share/applications/jp.kelvra.Kelvra.desktop" || fail "Exec line"
for t in application/x-kelvra-data application/x-kelvra-conditions; do
    grep -q "MimeType=.*$t;" "$usr/share/applications/jp.kelvra.Kelvra.desktop" || fail "MimeType $t"
    grep -q "type=\"$t\"" "$usr/share/mime/packages/jp.kelvra.Kelvra.xml" || fail "MIME definition $t"
done
[ "$(head -c 8 "$usr/share/icons/hicolor/256x256/apps/jp.kelvra.Kelvra.png" | od -An -tx1 | tr -d ' \n')" = \
    89504e470d0a1a0a ] || fail "PNG icon"

# Read-only, as /usr is for a user; root could still write it, so the check below looks for
# anything that changed instead of trusting the permissions.
chmod -R a-w "$usr"
touch "$tmp/stamp"
untouched() {
    local changed
    changed=$(find "$root" -newer "$tmp/stamp" -print)
    [ -z "$changed" ] || fail "the installed tree was written: $changed"
}

# --- first start with a fresh HOME ------------------------------------------------------------------
export HOME=$tmp/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
data=$HOME/.local/share/kelvra
cli=$usr/bin/kelvra-cli

version=$("$cli" version) || fail "installed kelvra-cli version"
expected=$("$build/bin/kelvra-cli" version)
[ "$version" = "$expected" ] || fail "version '$version', expected '$expected'"

for f in TeamName.dat TeamName1.dat TeamName2.dat J1J2.dat; do
    cmp -s "$usr/share/kelvra/SysData/$f" "$data/SysData/$f" || fail "not seeded: SysData/$f"
done
for f in SysData/toto_Schedule/toto_schedule_9001.xml SysData/toto_Vote/toto_vote_9001.xml \
    SysData/toto_Result/toto_result_9001.xml UserData/Kelvra/sample.drd; do
    cmp -s "$usr/share/kelvra/$f" "$data/$f" || fail "not seeded: $f"
done
[ -f "$data/SysData/totoSettings.ini" ] || fail "no settings written in the per-user folder"
untouched

# A run on a copy of the sample file, saved back in place.
mkdir -p "$tmp/work"
cp "$data/UserData/Kelvra/sample.drd" "$tmp/work/mine.drd"
out=$("$cli" run --seed 7 "$tmp/work/mine.drd") || fail "installed kelvra-cli run: $out"
[ "$out" = "$tmp/work/mine.drd"$'\t'"成功" ] || fail "run printed: $out"
cmp -s "$tmp/work/mine.drd" "$data/UserData/Kelvra/sample.drd" && fail "run did not save the file"
untouched

# --- downloads into the per-user folder -----------------------------------------------------------
if [ -n "$fixture_server" ]; then
    "$fixture_server" --seconds 120 >"$tmp/server.log" 2>&1 &
    pids+=($!)
    wait_for "grep -q '^Serving' '$tmp/server.log'" || fail "fixture server did not start"
    base=$(sed -n 's/^Serving .* on \(http:[^ ]*\)$/\1/p' "$tmp/server.log")
    ini=$data/SysData/totoSettings.ini
    sed -i -e "s|^totoOfficialScheduleUrl = .*|totoOfficialScheduleUrl = $base/schedule?holdCntId=\r|" \
        -e "s|^totoOfficialVoteUrl = .*|totoOfficialVoteUrl = $base/vote?holdCntId=\r|" \
        -e "s|^totoOfficialResultUrl = .*|totoOfficialResultUrl = $base/result?holdCntId=\r|" "$ini"
    # The fixture rounds name clubs the shipped tables lack: the user brings a newer main table,
    # and the program fetches the overseas names (3.12) from the maker's site.
    cp "$source/tests/data/net/SysData/TeamName.dat" "$data/SysData/TeamName.dat"
    NO_PROXY=127.0.0.1 no_proxy=127.0.0.1 "$cli" update-teams --site "$base" >/dev/null 2>"$tmp/err" ||
        { cat "$tmp/err" >&2; fail "update-teams"; }
    grep -q '^Revision = 12' "$data/SysData/TeamName2.dat" || fail "update-teams wrote no TeamName2.dat"
    NO_PROXY=127.0.0.1 no_proxy=127.0.0.1 "$cli" download schedule 1234 2>"$tmp/err" ||
        { cat "$tmp/err" >&2; fail "download schedule"; }
    [ -s "$data/SysData/toto_Schedule/toto_schedule_1234.xml" ] || fail "schedule not stored"
    "$cli" version >/dev/null
    grep -q '^Revision = 12' "$data/SysData/TeamName2.dat" || fail "an older shipped TeamName2.dat won"
    untouched
fi

# --- a later start with a newer shipped TeamName2.dat -------------------------------------------
printf ';user\r\nABC    = ABCユナイテッド\r\n' >"$data/SysData/TeamName3.dat"
cp "$data/SysData/TeamName3.dat" "$tmp/TeamName3.before"
cp "$data/SysData/totoSettings.ini" "$tmp/settings.before"
rm "$data/SysData/toto_Vote/toto_vote_9002.xml"
chmod u+w "$usr/share/kelvra/SysData" "$usr/share/kelvra/SysData/TeamName2.dat"
printf ';newer\r\nVersion = 99\r\nRevision = 1\r\n\r\nX = Y\r\n[End]\r\n' \
    >"$usr/share/kelvra/SysData/TeamName2.dat"
touch "$tmp/stamp"
"$cli" version >/dev/null || fail "second start"
cmp -s "$usr/share/kelvra/SysData/TeamName2.dat" "$data/SysData/TeamName2.dat" ||
    fail "the newer shipped TeamName2.dat did not replace the copy"
cmp -s "$tmp/TeamName3.before" "$data/SysData/TeamName3.dat" || fail "TeamName3.dat was touched"
cmp -s "$tmp/settings.before" "$data/SysData/totoSettings.ini" || fail "totoSettings.ini was touched"
[ ! -e "$data/SysData/toto_Vote/toto_vote_9002.xml" ] || fail "a deleted round came back"
if [ -n "$fixture_server" ]; then
    [ -s "$data/SysData/toto_Schedule/toto_schedule_1234.xml" ] || fail "a downloaded round was lost"
    cmp -s "$source/tests/data/net/SysData/TeamName.dat" "$data/SysData/TeamName.dat" ||
        fail "the user's TeamName.dat was replaced by an older shipped one"
fi
[ -z "$(find "$data" -name '*.kelvra-new*')" ] || fail "a partial copy was left behind"

# --- XDG_DATA_HOME and --home -----------------------------------------------------------------------
XDG_DATA_HOME=$tmp/xdg "$cli" version >/dev/null || fail "start with XDG_DATA_HOME"
[ -f "$tmp/xdg/kelvra/SysData/TeamName.dat" ] || fail "XDG_DATA_HOME not followed"
# Six first starts at once, as a file manager opening several files does: all succeed, with one
# whole copy and nothing left over.
pids=()
for i in 1 2 3 4 5 6; do
    XDG_DATA_HOME=$tmp/xdg6 "$cli" version >/dev/null 2>"$tmp/start$i.err" &
    pids+=($!)
done
for i in 1 2 3 4 5 6; do
    wait "${pids[$((i - 1))]}" || fail "concurrent first start $i: $(cat "$tmp/start$i.err")"
done
differ=$(diff -r "$usr/share/kelvra/SysData" "$tmp/xdg6/kelvra/SysData" |
    grep -v '^Only in .*xdg6.*: totoSettings.ini$' || true)
[ -z "$differ" ] || fail "concurrent first starts left SysData incomplete: $differ"
[ -z "$(find "$tmp/xdg6" -name '*.kelvra-new*')" ] || fail "concurrent first starts left a partial copy"
mkdir -p "$tmp/portable/SysData"
cp "$source"/data/SysData/*.dat "$tmp/portable/SysData/"
HOME=$tmp/home2 "$cli" --home "$tmp/portable" version >/dev/null || fail "start with --home"
[ -f "$tmp/portable/SysData/totoSettings.ini" ] || fail "--home not used"
[ ! -e "$tmp/home2" ] || fail "--home still made a per-user folder"

# --- the window program ------------------------------------------------------------------------
if [ "$gui" = ON ]; then
    command -v Xvfb >/dev/null || fail "Xvfb is missing (scripts/setup.sh installs it)"
    export XDG_RUNTIME_DIR=$tmp/runtime
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    exec 9>"$tmp/display"
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
    pids+=($!)
    exec 9>&-
    wait_for "[ -s '$tmp/display' ]" || fail "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$tmp/display")
    unset QT_QPA_PLATFORM
    export HOME=$tmp/gui-home
    mkdir -p "$HOME"
    gdata=$HOME/.local/share/kelvra

    # First start: seeds the per-user folder and writes the default settings there.
    "$usr/bin/kelvra" >"$tmp/gui.log" 2>&1 &
    gpid=$!
    pids+=($gpid)
    wait_for "[ -f '$gdata/SysData/totoSettings.ini' ]" || fail "the window program seeded nothing"
    cmp -s "$usr/share/kelvra/SysData/TeamName2.dat" "$gdata/SysData/TeamName2.dat" ||
        fail "the window program's seeding differs"
    [ -f "$gdata/UserData/Kelvra/sample.drd" ] || fail "the window program's seeding lacks UserData"
    if command -v xwininfo >/dev/null; then
        wait_for "xwininfo -root -tree | grep -q 'Drovane  Kelvra'" ||
            { cat "$tmp/gui.log" >&2; fail "no main window"; }
    fi
    kill -0 "$gpid" 2>/dev/null || { cat "$tmp/gui.log" >&2; fail "the window program ended"; }
    kill "$gpid"
    wait "$gpid" 2>/dev/null || true

    # Second start with a settings file of version 0: read from the per-user folder and so
    # rewritten with the defaults. Opening a file as the desktop does must not stop it.
    printf ';stale\r\nVersion = 0\r\n' >"$gdata/SysData/totoSettings.ini"
    "$usr/bin/kelvra" "$tmp/work/mine.drd" >"$tmp/gui.log" 2>&1 &
    gpid=$!
    pids+=($gpid)
    wait_for "grep -q '^Version = 1' '$gdata/SysData/totoSettings.ini'" ||
        { cat "$tmp/gui.log" >&2; fail "the window program did not read its settings there"; }
    kill -0 "$gpid" 2>/dev/null || { cat "$tmp/gui.log" >&2; fail "the window program ended"; }
    kill "$gpid"
    wait "$gpid" 2>/dev/null || true
fi

untouched
echo "package test passed: $(basename "$deb")"
