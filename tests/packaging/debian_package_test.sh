#!/usr/bin/env bash
# Builds the Debian package from the build folder with cpack and checks it: the
# installed tree under /usr and nothing else, owned by root, and dependencies
# that cover every shared library the program and libModem.so need, plus the
# Qt plugins they load at run time. Skipped (77) away from Debian's tools.
#   debian_package_test.sh BUILD_DIR CPACK VERSION [WIZARD_ART_DIR]
set -euo pipefail
build=$1 cpack=$2 version=$3 wizard_art=${4:-}
source "$(dirname "$0")/layout.sh"
for tool in dpkg-deb dpkg-shlibdeps dpkg-query; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$work/halvex-programmer_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work" >&2; fail "no package $(basename "$deb")"; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = halvex-programmer ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"

# No maintainer scripts: nothing runs on install, and a removal leaves no
# "config-files" state behind.
dpkg-deb --control "$deb" "$work/control"
scripts=$(cd "$work/control" && ls | grep -vx 'control\|md5sums' || true)
[ -z "$scripts" ] || fail "maintainer files in the package: $scripts"

# The contents: the installed tree under /usr, every entry owned by root.
dpkg-deb --contents "$deb" >"$work/contents"
diff <(expected_layout "$wizard_art" | sed 's|^|usr/|') \
     <(awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' "$work/contents" | LC_ALL=C sort) >&2 ||
    fail "package contents differ from the installed tree (< expected, > packaged)"
if awk '$2 != "root/root"' "$work/contents" | grep -q .; then fail "entries not owned by root: $(awk '$2 != "root/root"' "$work/contents")"; fi
grep -q ' ./usr/bin/HalvexProgrammer -> \.\./lib/halvex-programmer/HalvexProgrammer$' "$work/contents" ||
    fail "usr/bin/HalvexProgrammer is not the relative link to the program"

# The dependencies, by package name.
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort -u)
depends_on() { grep -qx "$1" <<<"$depends"; }

# Every shared library the shipped executables need (but the one shipped with
# them) belongs to a package the package depends on.
root=$work/root
dpkg-deb -x "$deb" "$root"
folder=$root/usr/$program_dir
for elf in "$folder/HalvexProgrammer" "$folder/libModem.so" "$folder/halvex-txguard"; do
    ldd "$elf" >"$work/resolved"
    for needed in $(readelf -d "$elf" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        [ "$needed" = libModem.so ] && continue
        path=$(awk -v lib="$needed" '$1 == lib && $2 == "=>" {print $3; exit}' "$work/resolved")
        [ -e "$path" ] || fail "$needed (needed by $(basename "$elf")) is not a library of this system"
        real=$(readlink -f "$path")
        owner=$(dpkg-query -S "$real" 2>/dev/null || dpkg-query -S "${real#/usr}" 2>/dev/null || dpkg-query -S "/usr$real" 2>/dev/null) ||
            fail "no package owns $real ($needed)"
        owner=${owner%%:*}
        depends_on "$owner" || fail "$(basename "$elf") needs $needed from $owner, which the package does not depend on"
    done
done
runpath=$(readelf -d "$folder/HalvexProgrammer" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
[ "$runpath" = '$ORIGIN' ] || fail "the packaged program's run path is '$runpath'"

# The plugins Qt loads by name, out of dpkg-shlibdeps' sight.
for plugin in libqt6sql6-sqlite qt6-qpa-plugins; do
    depends_on "$plugin" || fail "the package does not depend on $plugin"
done
echo "$(basename "$deb"): Depends: $(field Depends)"
