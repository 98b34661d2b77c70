#!/usr/bin/env bash
# history --csv as a spreadsheet reads it: Python's csv module finds the header's
# columns, one row per report oldest first, SPECIs marked, numbers where there are
# values. The Data API is Python's own HTTP server on 127.0.0.1 serving a recorded
# answer (tests/data/api/history-RJTY.json: japan-metar.txt:1133 to 1137).
set -euo pipefail
cli="$1" data="$2"
source "$(dirname "$0")/http_server.sh"

mkdir -p "$work/www/api"
cp "$data/api/history-RJTY.json" "$work/www/api/metar"
start_http_server "$work/www" "$work/server.log"
"$cli" history --csv --hours 72 --fallback "http://127.0.0.1:$port/api" RJTY >"$work/history.csv"

python3 - "$work/history.csv" <<'PYTHON'
import csv, sys

with open(sys.argv[1], newline="", encoding="utf-8") as file:
    reader = csv.DictReader(file)
    header = reader.fieldnames
    rows = list(reader)
expected = ["observed_utc", "observed_jst", "type", "category", "wind_direction_deg",
            "wind_variable", "wind_speed_kt", "wind_gust_kt", "visibility_m", "weather",
            "ceiling_ft", "temperature_c", "dew_point_c", "qnh_hpa", "qnh_inhg", "raw"]
problems = []
if header != expected:
    problems.append(f"header {header}")
if len(rows) != 5:
    problems.append(f"{len(rows)} rows, not 5")
times = [row["observed_utc"] for row in rows]
if times != sorted(times) or len(set(times)) != len(times):
    problems.append(f"not oldest first, each once: {times}")
if [row["type"] for row in rows] != ["METAR"] + ["SPECI"] * 4:
    problems.append("SPECIs not marked: " + ",".join(row["type"] for row in rows))
for row in rows:
    if None in row or any(value is None for value in row.values()):
        problems.append(f"row of another width: {row}")
    float(row["temperature_c"]), float(row["qnh_inhg"]), int(row["wind_speed_kt"])
    if not row["raw"].startswith("RJTY "):
        problems.append(f"raw {row['raw']}")
# japan-metar.txt:1135: SPECI RJTY 241016Z 17004KT 6SM +RA BR FEW014 BKN029 BKN070 ...
third = rows[2]
if (third["observed_jst"], third["category"], third["ceiling_ft"], third["weather"]) != (
        "2026-07-24 19:16", "MVFR", "2900", "+RA BR"):
    problems.append(f"third row {third}")
for problem in problems:
    print(problem)
print(f"{len(rows)} rows read, {len(problems)} problems")
sys.exit(1 if problems else 0)
PYTHON
