#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed tree, and starts
# the installed program through its link, headless: it must find its library and
# its database in its own folder and stay up (splash, then the modal warning).
#   installed_program_test.sh BUILD_DIR CMAKE SOURCE_DIR [WIZARD_ART_DIR]
set -euo pipefail
build=$1 cmake=$2 source=$3 wizard_art=${4:-}
source "$(dirname "$0")/layout.sh"

work=$(readlink -f "$(mktemp -d)")
program=""
cleanup()
{
    [ -z "$program" ] || kill -KILL "$program" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log" >&2; fail "cmake --install failed"; }

# Exactly these files: nothing of the tests, the harnesses or the simulator.
diff <(expected_layout "$wizard_art") <(actual_layout "$prefix") >&2 || fail "installed tree differs from the expected one (< expected, > installed)"

folder=$prefix/$program_dir
for data in Modem.mdb ${wizard_art:+Wizard.mdb}; do
    cmp "$build/bin/$data" "$folder/$data" || fail "$data is not the built one"
done
if [ -n "$wizard_art" ]; then
    diff -r "$wizard_art" "$folder/$(basename "$wizard_art")" || fail "the wizard's pictures differ from the built ones"
fi
cmp "$source/packaging/halvex-programmer.desktop" "$prefix/share/applications/halvex-programmer.desktop" || fail "the installed desktop entry is not the source one"
cmp "$source/README.md" "$prefix/share/doc/halvex-programmer/README.md" || fail "the installed README is not the source one"

# The link is relative, so the tree can move (a package, another prefix).
link=$prefix/bin/HalvexProgrammer
[ -L "$link" ] || fail "bin/HalvexProgrammer is not a link"
case $(readlink "$link") in /*) fail "bin/HalvexProgrammer links to an absolute path: $(readlink "$link")" ;; esac
[ "$(readlink -f "$link")" = "$folder/HalvexProgrammer" ] || fail "bin/HalvexProgrammer resolves to $(readlink -f "$link")"
[ -x "$folder/HalvexProgrammer" ] || fail "the installed program is not executable"

# The library is found beside the executable, never in the build folder.
runpath=$(readelf -d "$folder/HalvexProgrammer" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
[ "$runpath" = '$ORIGIN' ] || fail "the installed program's run path is '$runpath', not \$ORIGIN"
if readelf -d "$folder/libModem.so" | grep -q "$build"; then fail "libModem.so refers to the build folder"; fi

# The icon the desktop entry names, at each side its folder says.
desktop=$prefix/share/applications/halvex-programmer.desktop
grep -qx 'Exec=HalvexProgrammer' "$desktop" || fail "the desktop entry does not run the program by its link's name"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for png in "$prefix"/share/icons/hicolor/*/apps/"$icon".png; do
    [ -f "$png" ] || fail "no icon named '$icon'"
    side=$(basename "$(dirname "$(dirname "$png")")")
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    size="$((w0 << 24 | w1 << 16 | w2 << 8 | w3))x$((h0 << 24 | h1 << 16 | h2 << 8 | h3))"
    [ "$size" = "$side" ] || fail "$png is $size, in the folder $side"
done

# Start-up through the link, from a folder that holds no database, with no
# library path: what it opens comes from its own folder.
mkdir -p "$work/config" "$work/elsewhere"
cd "$work/elsewhere"
env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" "$link" >"$work/program.log" 2>&1 &
program=$!
started=$SECONDS
opened=""
for _ in $(seq 200); do
    kill -0 "$program" 2>/dev/null || { cat "$work/program.log" >&2; fail "the installed program ended during start-up"; }
    opened=$(for fd in /proc/"$program"/fd/*; do readlink "$fd" 2>/dev/null || true; done | grep -x "$folder/Modem.mdb" || true)
    [ -n "$opened" ] && break
    sleep 0.05
done
[ -n "$opened" ] || { ls -l /proc/"$program"/fd >&2; fail "the installed program did not open $folder/Modem.mdb"; }
[ "$(readlink /proc/"$program"/exe)" = "$folder/HalvexProgrammer" ] || fail "the running program is $(readlink /proc/"$program"/exe)"
modem_libraries=$(awk '$6 ~ /libModem\.so/ {print $6}' /proc/"$program"/maps | sort -u)
[ "$modem_libraries" = "$folder/libModem.so" ] || fail "the program loaded libModem.so from: $modem_libraries"

# Past the splash it waits in the modal warning: still running when ended here.
while [ $((SECONDS - started)) -lt 5 ]; do sleep 0.2; done
kill -0 "$program" 2>/dev/null || { cat "$work/program.log" >&2; fail "the installed program ended by itself"; }
kill -TERM "$program"
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 143 ] || fail "the program ended with status $status, not by the test's signal"
echo "installed into $prefix; the program ran from $folder with its Modem.mdb and libModem.so"
