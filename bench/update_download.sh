#!/usr/bin/env bash
# Benchmark of the update download (see update_download.py). Needs the win64 build
# (scripts/test or cmake --build --preset win64); Wine runs in a prefix of its own under
# build/bench. Extra arguments go to update_download.py (--size, --repeats).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
exe="$top/build/win64/bin/update_download_bench.exe"
[ -f "$exe" ] || { echo "missing $exe: build the win64 preset first" >&2; exit 1; }

source "$top/scripts/wine-env"
wine_env "$top/build/bench"
wineserver_pid=
cleanup() { [ -n "$wineserver_pid" ] && stop_wineserver; true; }
trap cleanup EXIT
[ -d "$WINEPREFIX" ] || make_prefix
start_wineserver

python3 "$top/bench/update_download.py" --wine "$wine" --exe "$exe" \
  --server "$top/tests/support/update_server.py" "$@"
