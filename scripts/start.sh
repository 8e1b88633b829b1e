#!/usr/bin/env bash
# Installs what is missing, builds Vantreel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)" --target vantreel
bash scripts/default-printer.sh

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec ./build/dev/vantreel
fi

echo "No display found: running Vantreel on a virtual X display (Xvfb); press Ctrl+C to end."
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; kill "${app:-}" 2>/dev/null; true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display ./build/dev/vantreel &
app=$!
sleep 3
screenshot=$(pwd)/build/vantreel-screenshot.png
DISPLAY=$display import -window root "$screenshot"
echo "Screenshot of the started window: $screenshot"
wait "$app"
