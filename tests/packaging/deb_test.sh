#!/usr/bin/env bash
# The Debian package: its control fields, its dependencies found from the
# libraries the program links plus the fonts it draws with, its files, its
# version and Debian's checker.
#   deb_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$out/blunderfest_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$out")"
field() { dpkg-deb -f "$deb" "$1"; }

for expected in "Package=blunderfest" "Version=$version" "Architecture=$(dpkg --print-architecture)" \
  "Section=games" "Priority=optional"; do
  [ "$(field "${expected%%=*}")" = "${expected#*=}" ] ||
    fail "${expected%%=*} is '$(field "${expected%%=*}")', not '${expected#*=}'"
done
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@]+@[^@]+\>$ ]] || fail "Maintainer '$(field Maintainer)'"
[ "$(field Description | wc -l)" -ge 2 ] || fail "no long description"

# The Qt and C++ libraries with the lowest versions shlibdeps found; the fonts
# and the window system plugins by name; the speech engine recommended.
depends=$(field Depends)
IFS=, read -ra entries <<<"$depends"
depends_on() { # PATTERN: a glob one entry of Depends matches
  local entry
  for entry in "${entries[@]}"; do [[ "${entry# }" == $1 ]] && return 0; done
  return 1
}
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6texttospeech6; do
  depends_on "$lib (>= *)" || fail "Depends lacks a versioned $lib: $depends"
done
for package in fonts-liberation2 qt6-qpa-plugins; do
  depends_on "$package" || fail "Depends lacks $package: $depends"
done
[ "$(field Recommends)" = "qt6-speech-flite-plugin" ] || fail "Recommends is '$(field Recommends)'"

# Exactly the installed files under /usr and lintian's overrides, owned by
# root, the program executable.
listing=$(dpkg-deb -c "$deb" | grep -v '^d')
diff -u <({ sed 's|^|./usr/|' "$here/installed_files.txt"; echo ./usr/share/lintian/overrides/blunderfest; } | sort) \
  <(awk '{print $6}' <<<"$listing" | sort) ||
  fail "the package's files differ from the list"
awk '$2 != "root/root" || $1 != ($6 == "./usr/games/blunderfest" ? "-rwxr-xr-x" : "-rw-r--r--")' \
  <<<"$listing" | grep . && fail "files with the wrong owner or mode"

dpkg-deb -x "$deb" "$out/root"
file -b "$out/root/usr/games/blunderfest" | grep -q ", stripped" || fail "the program is not stripped"
appstreamcli validate-tree --no-net "$out/root" >&2 || fail "appstreamcli validate-tree"

# The one version, in the package, the program, the changelog, the metadata's
# newest release and the manual page.
zcat "$out/root/usr/share/doc/blunderfest/changelog.gz" >"$out/changelog"
while IFS='|' read -r where found; do
  [ "$found" = "$version" ] || fail "the version of $where is '$found', not '$version'"
done <<VERSIONS
the package|$(field Version)
--version|$("$out/root/usr/games/blunderfest" --version | sed -n '1s/^blunderfest //p')
the changelog|$(dpkg-parsechangelog -l "$out/changelog" -S Version)
the metadata|$(grep -m1 -o '<release version="[^"]*"' "$out/root/usr/share/metainfo/"*.xml | cut -d'"' -f2)
the manual page|$(zcat "$out/root/usr/share/man/man6/blunderfest.6.gz" | sed -n 's/^\.TH .* "blunderfest \([^"]*\)" .*/\1/p')
VERSIONS

# Debian's checker finds no error and no warning; what it would wrongly find
# is overridden in the package, with the reason.
lintian --fail-on error,warning "$deb" >&2 || fail "lintian finds errors or warnings"
echo "$(basename "$deb"): control fields, dependencies and $(wc -l <<<"$listing") files as expected"
