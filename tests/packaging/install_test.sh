#!/usr/bin/env bash
# An install into a temporary prefix holds exactly the program, its menu entry,
# its icons, its metadata with its screenshots, its manual page, its copyright
# and its changelog, and each passes its validator.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
diff -u "$here/installed_files.txt" <(cd "$prefix" && find . -type f -o -type l | cut -c3- | sort) ||
  fail "the installed files differ from the list"

entry=$(echo "$prefix"/share/applications/*.desktop)
metainfo=$(echo "$prefix"/share/metainfo/*.metainfo.xml)
id=$(basename "$entry" .desktop)
out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
# The metadata passes, with no hint but the two that cannot apply: the id that
# the desktop already knows has capitals, and AppStream 0.16 knows the
# developer only by its older tag, given beside it.
hints=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $hints"
grep -E '^[EWIP]: ' <<<"$hints" | grep -v -e ': cid-contains-uppercase-letter ' -e ': unknown-tag developer$' &&
  fail "appstreamcli validate --pedantic: $hints"

# The entry, the icon and the metadata share the id; the entry starts the
# installed program.
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon), not $id"
[ "$(basename "$metainfo" .metainfo.xml)" = "$id" ] || fail "metadata named $metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "no launchable $id.desktop"
[ -x "$prefix/games/$(key Exec)" ] || fail "Exec=$(key Exec) is not an installed program"
for png in "$prefix"/share/icons/hicolor/*x*/apps/"$id".png; do
  side=$(basename "$(dirname "$(dirname "$png")")")
  file -b "$png" | grep -q "^PNG image data, ${side%x*} x ${side#*x}, 8-bit/color RGBA" ||
    fail "$png is $(file -b "$png")"
done

# Every screenshot the metadata names is installed, at the size it gives, and
# each pictures something else.
screenshots=$(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/]*\)</image>|\3 \1 \2|p' "$metainfo")
[ "$(wc -l <<<"$screenshots")" = 3 ] || fail "the metadata names these screenshots: $screenshots"
while read -r name width height; do
  png=$prefix/share/blunderfest/screenshots/$name
  file -b "$png" | grep -q "^PNG image data, $width x $height," || fail "$png is $(file -b "$png")"
done <<<"$screenshots"
[ "$(md5sum "$prefix"/share/blunderfest/screenshots/*.png | cut -d' ' -f1 | sort -u | wc -l)" = 3 ] ||
  fail "two screenshots are the same picture"

# The Debian changelog parses as one.
zcat "$prefix/share/doc/blunderfest/changelog.gz" >"$prefix/changelog"
dpkg-parsechangelog -l "$prefix/changelog" >/dev/null || fail "the changelog does not parse"

# The manual page is found in section 6 and formats without a warning.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
  man --warnings -E UTF-8 -l -Tutf8 -Z "$prefix/share/man/man6/blunderfest.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
echo "installed: $(wc -l <"$here/installed_files.txt") files, all valid"
