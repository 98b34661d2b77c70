#!/bin/sh
# Writes the released sections of CHANGELOG.md in Debian's changelog format, the form
# the package carries as /usr/share/doc/aerolume/changelog.gz. The "Unreleased" section
# is left out: it belongs to no version yet.
#
# usage: debian-changelog.sh CHANGELOG.md PACKAGE "NAME <ADDRESS>" OUTPUT
set -eu

if [ $# -ne 4 ]; then
  echo "usage: $0 CHANGELOG.md PACKAGE \"NAME <ADDRESS>\" OUTPUT" >&2
  exit 2
fi

trap 'rm -f "$4.tmp"' EXIT
LC_ALL=C awk -v package="$2" -v maintainer="$3" '
function fail(message) {
  print FILENAME ":" FNR ": " message > "/dev/stderr"
  failed = 1
  exit 1
}

# Debian wants RFC 5322 dates with the day of the week; date(1) knows the calendar.
function rfc_date(day,    command, result) {
  if (day !~ /^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/) fail("no YYYY-MM-DD date")
  command = "date -u -R -d " day
  if ((command | getline result) <= 0) fail("date(1) cannot read " day)
  close(command)
  return result
}

# Markdown code spans and emphasis read as plain words in a changelog.
function plain(text) {
  gsub(/`/, "", text)
  gsub(/\*\*/, "", text)
  return text
}

# One item, wrapped to 78 columns: "    - " before the first line, six spaces before
# the others.
function flush_item(    words, count, i, line, prefix) {
  if (item == "") return
  count = split(plain(item), words, " ")
  prefix = "    - "
  line = ""
  for (i = 1; i <= count; i++) {
    if (line != "" && length(prefix line " " words[i]) > 78) {
      print prefix line
      prefix = "      "
      line = ""
    }
    line = (line == "") ? words[i] : line " " words[i]
  }
  if (line != "") print prefix line
  item = ""
}

function close_entry() {
  flush_item()
  if (!in_release) return
  print ""
  print " -- " maintainer "  " released
  in_release = 0
}

/^## \[/ {
  close_entry()
  version = $0
  sub(/^## \[/, "", version)
  sub(/\].*$/, "", version)
  if (version == "Unreleased") next
  day = $0
  sub(/^## \[[^]]*\] - /, "", day)
  released = rfc_date(day)
  if (entries++) print ""
  print package " (" version ") unstable; urgency=medium"
  in_release = 1
  next
}

!in_release { next }

/^### / {
  flush_item()
  heading = $0
  sub(/^### /, "", heading)
  print ""
  print "  * " heading ":"
  next
}

/^- / {
  flush_item()
  item = substr($0, 3)
  next
}

/^  +[^ ]/ {
  if (item == "") fail("a continued line outside an item")
  line = $0
  sub(/^ +/, "", line)
  item = item " " line
  next
}

/^[ \t]*$/ { flush_item(); next }

{ fail("a line the changelog format has no place for: " $0) }

END {
  if (failed) exit 1
  close_entry()
  if (!entries) {
    print FILENAME ": no released version" > "/dev/stderr"
    exit 1
  }
}
' "$1" >"$4.tmp"
mv "$4.tmp" "$4"
