#!/bin/bash
# Installs the build into a temporary prefix, makes the delivered folder read-only and runs the
# installed program with a temporary XDG_DATA_HOME: the delivered files must stay byte for byte,
# the user's files must land in the user's folder, and a second run must read the user's copies.
set -euo pipefail
build=$1
store_place=$2

work=$(mktemp -d /tmp/orvanta-install-XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
export XDG_DATA_HOME=$work/xdg
unset ORVANTA_HOME
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || fail "cmake --install: $(cat "$work/install.log")"
delivered=$prefix/lib/orvanta
for file in bin/orvanta bin/orvanta-cli lib/orvanta/libOrvanta.so lib/orvanta/orvanta-cli-draw.so \
            lib/orvanta/Place.PLB lib/orvanta/Timechg.tch lib/orvanta/sepl_18.se1 \
            lib/orvanta/installed.txt lib/orvanta/help/01-start.html lib/orvanta/help/wheel.png \
            lib/orvanta/help/dial.png share/applications/orvanta.desktop \
            share/mime/packages/orvanta.xml share/icons/hicolor/scalable/apps/orvanta.svg \
            share/icons/hicolor/256x256/apps/orvanta.png; do
  [ -e "$prefix/$file" ] || fail "$file is not installed"
done
[ -z "$(find "$prefix" -name 'test_*')" ] || fail "test programs were installed"

chmod -R a-w "$delivered"
(cd "$delivered" && find . -type f -print0 | sort -z | xargs -0 sha256sum) > "$work/before"

# A chart saved from the installed program, and a place stored into the places base.
"$prefix/bin/orvanta-cli" chart --date 12.04.1961 --time 09:07 --zone 3 --lat 55.75 --lon 37.6167 \
    -o "$work/gagarin.map" > "$work/chart.out" || fail "orvanta-cli chart -o"
[ -s "$work/gagarin.map" ] || fail "no chart file"
# Reading copies nothing: computing, showing and listing, and opening the places base as the
# birth-data entry does, leave the user's folder without files.
"$prefix/bin/orvanta-cli" show "$work/gagarin.map" > /dev/null || fail "orvanta-cli show"
"$prefix/bin/orvanta-cli" places > /dev/null || fail "orvanta-cli places"
"$prefix/bin/orvanta-cli" timechange 12.04.1961 6 > /dev/null || fail "orvanta-cli timechange"
"$store_place" "$delivered" || fail "opening the places base"
copies=$(find "$XDG_DATA_HOME" -type f 2> /dev/null || true)
[ -z "$copies" ] || fail "reading made copies in the user's folder: $copies"
"$store_place" "$delivered" "Тестоград" 51.5 -0.12 > "$work/store.out" || fail "storing a place"
[ "$(cat "$work/store.out")" = "$XDG_DATA_HOME/orvanta/Place.PLB" ] || fail "the place went to $(cat "$work/store.out")"
[ -f "$XDG_DATA_HOME/orvanta/Place.PLB" ] || fail "no user's copy of Place.PLB"

(cd "$delivered" && find . -type f -print0 | sort -z | xargs -0 sha256sum) > "$work/after"
cmp -s "$work/before" "$work/after" || fail "the delivered files changed: $(diff "$work/before" "$work/after")"

# The second run reads the user's copy: the new place is found, and so are the delivered ones.
found=$("$prefix/bin/orvanta-cli" places "Тестоград") || fail "places after the store"
grep -q "Тестоград" <<< "$found" || fail "the user's places base is not read: $found"
"$prefix/bin/orvanta-cli" places "Москва" | grep -q "Москва" || fail "the delivered places are lost"
# The user's copy keeps every delivered place.
delivered_count=$("$prefix/bin/orvanta-cli" places --file "$delivered/Place.PLB" | wc -l)
user_count=$("$prefix/bin/orvanta-cli" places | wc -l)
[ "$user_count" -eq $((delivered_count + 1)) ] || fail "user's base has $user_count lines, delivered $delivered_count"

# The drawing plugin loads from the installed folder.
"$prefix/bin/orvanta-cli" render "$work/gagarin.map" --wheel "$work/wheel.png" --size 200x200 > /dev/null \
    || fail "render from the installed program"
[ -s "$work/wheel.png" ] || fail "no picture"

if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/orvanta.desktop" || fail "desktop-file-validate"
fi
echo "1 passed, 0 failed"
