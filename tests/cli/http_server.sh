# Sourced by the shell tests that ask aerolume-cli to download: a work directory that
# goes away at the end, with Python's own HTTP server serving a folder of it on a free
# port of 127.0.0.1 (start_http_server sets port), stopped at the end too.
work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

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
