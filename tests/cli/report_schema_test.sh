#!/usr/bin/env bash
# Real outputs of aerolume-cli against docs/report.schema.json: decode --lines --json
# over the whole shared corpus, decode --json of the test station files, and
# fetch --json from a server on 127.0.0.1 that this test starts, for a station with
# both reports and one whose METAR is missing, history --json of a station with SPECIs
# and taf-hours --json.
set -euo pipefail
cli="$1" schema="$2" corpus="$3" data="$4"
source "$(dirname "$0")/http_server.sh"

"$cli" decode --lines --json --time-line "2026/12/01 00:00" \
  "$corpus/japan-metar.txt" "$corpus/japan-taf.txt" "$corpus/world.txt" >"$work/lines.jsonl"
for file in "$data"/*-metar-*.TXT; do "$cli" decode --json "$file" | tr -d '\n'; echo; done \
  >"$work/decode.jsonl"
"$cli" decode --json --taf "$data/RJAA-taf-2.TXT" | tr -d '\n' >>"$work/decode.jsonl"
echo >>"$work/decode.jsonl"

# The weather server's layout, served by Python's own HTTP server on a free port.
mkdir -p "$work/www/observations/metar/stations" "$work/www/forecasts/taf/stations"
cp "$data/RJAA-metar-1.TXT" "$work/www/observations/metar/stations/RJAA.TXT"
cp "$data/RJAA-taf-2.TXT" "$work/www/forecasts/taf/stations/RJAA.TXT"
cp "$data/RJAA-taf-2.TXT" "$work/www/forecasts/taf/stations/RJTT.TXT"
# The Data API's answer for a station's history: Python's server leaves out the query.
mkdir -p "$work/www/api"
cp "$data/api/history-RJTY.json" "$work/www/api/metar"
start_http_server "$work/www" "$work/server.log"
"$cli" fetch --json --server "http://127.0.0.1:$port" RJAA RJTT >"$work/fetch.jsonl" 2>/dev/null || true
"$cli" history --json --fallback "http://127.0.0.1:$port/api" RJTY | tr -d '\n' >"$work/history.jsonl"
echo >>"$work/history.jsonl"
"$cli" taf-hours --json --no-fallback --server "http://127.0.0.1:$port" RJAA | tr -d '\n' \
  >"$work/taf-hours.jsonl"
echo >>"$work/taf-hours.jsonl"

python3 - "$schema" "$work"/*.jsonl <<'PYTHON'
import json, sys
from jsonschema import Draft202012Validator

schema = json.load(open(sys.argv[1]))
Draft202012Validator.check_schema(schema)
validator = Draft202012Validator(schema)
checked = failed = 0
empty = []
for name in sys.argv[2:]:
    before = checked
    for number, line in enumerate(open(name, encoding="utf-8"), 1):
        if not line.strip():
            continue
        checked += 1
        for error in validator.iter_errors(json.loads(line)):
            failed += 1
            print(f"{name}:{number}: {error.json_path}: {error.message[:300]}")
            break
    if checked == before:
        empty.append(name)
print(f"{checked} objects checked, {failed} not matching the schema")
for name in empty:
    print(f"{name}: no output to check")
sys.exit(1 if failed or empty or checked < 1900 else 0)
PYTHON
