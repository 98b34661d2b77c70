#!/usr/bin/env bash
# The desktop program's options with no display at all: each case is the words, the
# exit status and a line the output must hold.
set -u
program="$1"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failures=0
check() {
  local expected_status="$1" expected_line="$2"
  shift 2
  local output status
  output=$("$program" "$@" 2>&1)
  status=$?
  if [ "$status" -ne "$expected_status" ] || ! grep -qxF -- "$expected_line" <<<"$output"; then
    echo "FAIL: aerolume $* -> status $status, expected $expected_status and the line: $expected_line"
    echo "$output"
    failures=$((failures + 1))
  fi
}
check 0 "aerolume 2.0.0.4" --version
check 0 "aerolume 2.0.0.4" -v
check 0 "Usage: aerolume [options]" --help
check 0 "Usage: aerolume [options]" -h
check 2 "aerolume: Unknown option 'bogus'." --bogus
check 2 "Try 'aerolume --help'." --bogus
check 2 "aerolume: --server needs an http:// or https:// URL" --server ftp://127.0.0.1/data
check 2 "aerolume: --fallback needs an http:// or https:// URL" --fallback file:///tmp/api
check 0 "  --no-fallback     Ask only the weather-data server, whatever --fallback says." --help
check 0 "  --map             Open the map of all 104 stations at start." --help
check 2 "aerolume: unexpected argument RJTT" RJTT
check 2 "aerolume: Missing value after '--server'." --server
check 0 "  --history <CODE>  Open the window of the station's last 24 hours and its TAF" --help
check 2 "aerolume: --history needs a station code of the list, such as RJTT" --history XXXX
exit "$failures"
