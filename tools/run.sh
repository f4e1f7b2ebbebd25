#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo site on loopback and runs
# Pelizo against it. Closing Pelizo stops the demo site.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

port="${PELIZO_DEMO_PORT:-18080}"
build/pelizo-demo-site --port "$port" &
demo=$!
trap 'kill "$demo" 2>/dev/null || true' EXIT

export PELIZO_FILM_HOST="${PELIZO_FILM_HOST:-dianying.localhost:$port}"
export PELIZO_SERIES_HOST="${PELIZO_SERIES_HOST:-tv.localhost:$port}"
export PELIZO_SEARCH_HOST="${PELIZO_SEARCH_HOST:-so.localhost:$port}"
export PELIZO_CONFIG_URL="${PELIZO_CONFIG_URL:-http://app.localhost:$port/rz1.txt}"
export PELIZO_PARSE_PREFIX="${PELIZO_PARSE_PREFIX:-http://jx.localhost:$port/jiexi/5.html?url=}"
export PELIZO_DOWNLOAD_URL="${PELIZO_DOWNLOAD_URL:-http://app.localhost:$port/download.html}"
export PELIZO_LINK1_URL="${PELIZO_LINK1_URL:-http://pan.localhost:$port/s/pelizo}"
export PELIZO_LINK2_URL="${PELIZO_LINK2_URL:-http://lanzou.localhost:$port/pelizo}"

# Wait until the demo site answers (it stops at once if the port is taken).
for _ in $(seq 50); do
  build/pelizo-cli config >/dev/null 2>&1 && break
  kill -0 "$demo" 2>/dev/null || { echo "The demo site could not start on port $port." >&2; exit 1; }
  sleep 0.1
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running Pelizo under Xvfb, a virtual display (nothing shows on screen)."
  xvfb-run -a -s "-screen 0 1440x1000x24" build/pelizo
else
  build/pelizo
fi
