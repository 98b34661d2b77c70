# Sourced by the shell tests: serves a directory with Python's own HTTP server on a
# free port of 127.0.0.1. Sets server_pid and port; the caller's cleanup kills the server.
start_http_server() {
  local directory="$1" log="$2"
  python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$directory" >"$log" 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do
    grep -q "port" "$log" && break
    sleep 0.1
  done
  port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$log" | head -1)
}
