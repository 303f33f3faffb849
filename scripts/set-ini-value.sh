#!/usr/bin/env bash
# Sets one value in a client settings file the way the client itself writes one:
# section and key names compare case-insensitively, every other line stays, a new key
# goes after its section's last non-blank line, the file keeps its own line ends (CR LF
# unless it has only LF) and is replaced whole through a sibling temporary file.
# Usage: set-ini-value.sh FILE SECTION KEY VALUE   (a plain value: no blanks or quotes)
set -euo pipefail
if (($# != 4)); then
  echo "usage: $0 FILE SECTION KEY VALUE" >&2
  exit 2
fi
file=$1 section=$2 key=$3 value=$4
case "$section$key$value" in
  *[[:space:]\"\'\[\]=\\]*)
    echo "set-ini-value: section, key and value must be plain words" >&2
    exit 2
    ;;
esac
dir=$(dirname "$file")
temp=$(mktemp "$dir/.set-ini-value.XXXXXX")
trap 'rm -f "$temp"' EXIT
[ -e "$file" ] || : >"$file"
LC_ALL=C awk -v section="$section" -v key="$key" -v value="$value" '
  function trim(s) { gsub(/^[ \t\r\n\v\f]+|[ \t\r\n\v\f]+$/, "", s); return s }
  function section_of(line,   t, cl) {
    t = trim(line)
    if (substr(t, 1, 1) != "[" || (cl = index(t, "]")) == 0) return "\001"
    return tolower(trim(substr(t, 2, cl - 2)))
  }
  { if (sub(/\r$/, "")) crlf = 1; lines[++n] = $0 }
  END {
    eol = (crlf || n == 0) ? "\r\n" : "\n"
    want = tolower(section); head = 0
    for (i = 1; i <= n; i++) if (section_of(lines[i]) == want) { head = i; break }
    if (head == 0) {
      lines[++n] = "[" section "]"; lines[++n] = key "=" value
    } else {
      end = head + 1
      while (end <= n && section_of(lines[end]) == "\001") end++
      found = 0
      for (i = head + 1; i < end; i++) {
        eq = index(lines[i], "=")
        name = eq ? trim(substr(lines[i], 1, eq - 1)) : ""
        if (name != "" && tolower(name) == tolower(key)) { lines[i] = name "=" value; found = 1; break }
      }
      if (!found) {
        at = end
        while (at > head + 1 && trim(lines[at - 1]) == "") at--
        for (i = n; i >= at; i--) lines[i + 1] = lines[i]
        lines[at] = key "=" value; n++
      }
    }
    for (i = 1; i <= n; i++) printf "%s%s", lines[i], eol
  }' "$file" >"$temp"
chmod --reference="$file" "$temp"
mv "$temp" "$file"
trap - EXIT
