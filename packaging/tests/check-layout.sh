#!/usr/bin/env bash
# check-layout.sh SOURCE PREFIX VERSION APP_ID: every installed file in its place, nothing else,
# and the metadata valid.
set -euo pipefail
source=$1 prefix=$2 version=$3 id=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$prefix"

expected=(
    bin/defibrio
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "share/icons/hicolor/48x48/apps/$id.png"
    "share/icons/hicolor/128x128/apps/$id.png"
    "share/icons/hicolor/256x256/apps/$id.png"
    share/man/man1/defibrio.1.gz
    share/doc/defibrio/copyright
    share/doc/defibrio/changelog.gz
)
# The prompts: the English ones and the tones, and each language's in its folder (de/MOTION.WAV).
while IFS= read -r sound; do
    expected+=("share/defibrio/sounds/$sound")
    cmp -s "$source/assets/sounds/$sound" "share/defibrio/sounds/$sound" || fail "prompt $sound differs"
done < <(cd "$source/assets/sounds" && find . -type f | sed 's|^\./||')
[ -f share/defibrio/sounds/de/MOTION.WAV ] || fail "the German prompts are not installed"
for scenario in "$source"/scenarios/*.json; do
    expected+=("share/defibrio/scenarios/$(basename "$scenario")")
    cmp -s "$scenario" "share/defibrio/scenarios/$(basename "$scenario")" || fail "scenario $(basename "$scenario") differs"
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(find . -type f -o -type l | sed 's|^\./||' | sort) \
    || fail "the installed files differ from the list above (< expected, > installed)"

[ -x bin/defibrio ] || fail "bin/defibrio is not executable"
file -b bin/defibrio | grep -q '^ELF' || fail "bin/defibrio is not a program"
odd=$(find . -type f ! -path ./bin/defibrio ! -perm 644)
[ -z "$odd" ] || fail "files not 644: $odd"
odd=$(find . -type d ! -perm 755)
[ -z "$odd" ] || fail "folders not 755: $odd"
for size in 48 128 256; do
    file -b "share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size," \
        || fail "the $size px icon is not a $size x $size PNG"
done
gzip -t share/man/man1/defibrio.1.gz share/doc/defibrio/changelog.gz
zcat share/man/man1/defibrio.1.gz | grep -q "^\.TH DEFIBRIO 1 .*\"Defibrio $version\"" \
    || fail "the manual page does not name version $version"

# The package's version is the one the program, its changelog and its metadata carry.
zcat share/doc/defibrio/changelog.gz | head -1 | grep -q "^defibrio ($version) " \
    || fail "the changelog's newest entry is not version $version"
grep -q "<release version=\"$version\"" "share/metainfo/$id.metainfo.xml" \
    || fail "the metadata's releases do not list version $version"
grep -q "^Icon=$id\$" "share/applications/$id.desktop" || fail "the desktop entry names another icon"

desktop-file-validate "share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "share/metainfo/$id.metainfo.xml"
echo "layout and metadata of $prefix are as expected"
