# Reads the project's changelog (CHANGELOG.md) and writes it in another form:
#   awk -v form=newest -f changelog.awk CHANGELOG.md      "VERSION DATE" of the newest release
#   awk -v form=debian -v package=NAME -v maintainer="NAME <MAIL>" -f changelog.awk CHANGELOG.md
#                                                         the Debian changelog
#   awk -v form=appstream -f changelog.awk CHANGELOG.md   the AppStream <releases> element
# A line it cannot read stops it with status 1, saying where and why.

function fail(why) {
  printf "%s:%d: %s\n", FILENAME, FNR, why > "/dev/stderr"
  failed = 1
  exit 1
}

# Debian's date of a release: RFC 2822, at midnight UTC. The weekday by
# Sakamoto's method.
function debianDate(iso,    y, m, d, offsets, days, months) {
  y = substr(iso, 1, 4) + 0
  m = substr(iso, 6, 2) + 0
  d = substr(iso, 9, 2) + 0
  split("0 3 2 5 0 3 5 1 4 6 2 4", offsets, " ")
  split("Sun Mon Tue Wed Thu Fri Sat", days, " ")
  split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", months, " ")
  if (m < 3) y--
  return sprintf("%s, %02d %s %s 00:00:00 +0000", days[(y + int(y / 4) - int(y / 100) + \
    int(y / 400) + offsets[m] + d) % 7 + 1], d, months[m], substr(iso, 1, 4))
}

function xml(text) {
  gsub(/&/, "\\&amp;", text)
  gsub(/</, "\\&lt;", text)
  gsub(/>/, "\\&gt;", text)
  return text
}

/^## / {
  if ($0 !~ /^## [0-9]+(\.[0-9]+)* \([0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]\)$/)
    fail("a release's heading is \"## VERSION (YYYY-MM-DD)\"")
  if (n && !items[n]) fail("release " version[n] " has no items")
  n++
  version[n] = $2
  date[n] = substr($3, 2, 10)
  if (n > 1 && date[n] > date[n - 1]) fail("the releases go from the newest to the oldest")
  items[n] = 0
  next
}
n == 0 || /^$/ { next }  # the introduction, and blank lines
/^- / {
  item[n, ++items[n]] = substr($0, 3)
  next
}
/^  [^ ]/ && items[n] {
  item[n, items[n]] = item[n, items[n]] "\n" substr($0, 3)
  next
}
{ fail("an item begins with \"- \" and goes on in lines indented by two blanks") }

END {
  if (failed) exit 1
  if (!n) fail("no release")
  if (!items[n]) fail("release " version[n] " has no items")
  if (form == "newest") {
    print version[1], date[1]
  } else if (form == "debian") {
    for (i = 1; i <= n; i++) {
      printf "%s%s (%s) unstable; urgency=medium\n\n", (i > 1 ? "\n" : ""), package, version[i]
      for (j = 1; j <= items[i]; j++) {
        text = item[i, j]
        gsub(/\n/, "\n    ", text)
        print "  * " text
      }
      printf "\n -- %s  %s\n", maintainer, debianDate(date[i])
    }
  } else if (form == "appstream") {
    print "  <releases>"
    for (i = 1; i <= n; i++) {
      printf "    <release version=\"%s\" date=\"%s\">\n", version[i], date[i]
      print "      <description>"
      print "        <ul>"
      for (j = 1; j <= items[i]; j++) {
        text = item[i, j]
        gsub(/\n/, " ", text)
        print "          <li>" xml(text) "</li>"
      }
      print "        </ul>"
      print "      </description>"
      print "    </release>"
    }
    print "  </releases>"
  } else {
    fail("form is newest, debian or appstream, not '" form "'")
  }
}
