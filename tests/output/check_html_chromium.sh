#!/usr/bin/env bash
# Exports a competition as HTML with kzo-tool and opens the page in headless Chromium:
# one table per class, one row per rider plus the header row.
# Usage: check_html_chromium.sh KZO_TOOL COMPETITION.kzo [SCREENSHOT.png]
# Exit 77 (skipped) when Chromium is not installed.
set -euo pipefail

tool=$1
competitie=$2
schermafdruk=${3:-}

chromium=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$chromium" ]; then
  echo "skipped: chromium is not installed"
  exit 77
fi
if [ ! -f "$competitie" ]; then
  echo "missing: $competitie"
  exit 1
fi

werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT

"$tool" export --html --info --standing net+gross "$competitie" "$werk/stand.html" 2>/dev/null
"$tool" info "$competitie" >"$werk/info.txt"

opties=(--headless --no-sandbox --disable-gpu --disable-quic --no-first-run
  --disable-background-networking --disable-component-update --disable-sync)
timeout 120 "$chromium" "${opties[@]}" --user-data-dir="$werk/profiel" \
  --dump-dom "file://$werk/stand.html" >"$werk/dom.html" 2>"$werk/chromium.log" || {
  cat "$werk/chromium.log" >&2
  exit 1
}
if [ -n "$schermafdruk" ]; then
  timeout 120 "$chromium" "${opties[@]}" --user-data-dir="$werk/profiel" \
    --window-size=1400,1000 --screenshot="$schermafdruk" \
    "file://$werk/stand.html" >/dev/null 2>&1 || true
fi

# Expected: per class (info lines "TAB<tab>NAME<tab>RIDERS<tab>RESULTS") riders + 1 rows.
verwacht=$(awk -F'\t' 'NR > 3 { printf "%d\n", $3 + 1 }' "$werk/info.txt")
# Found: the rows of each table in the DOM Chromium built.
gevonden=$(tr -d '\r\n' <"$werk/dom.html" | grep -o '<table\|<tr[ >]' |
  awk '/<table/ { if (n) print rijen; n++; rijen = 0; next } { rijen++ } END { if (n) print rijen }')

if [ "$verwacht" != "$gevonden" ]; then
  echo "rows per table: expected"
  echo "$verwacht"
  echo "found"
  echo "$gevonden"
  exit 1
fi
echo "ok: $(echo "$gevonden" | wc -l) tables, rows per table: $(echo $gevonden)"
