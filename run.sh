#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvanta on the bundled sample chart (or on the
# chart collection, when the user chose to see it at start-up). Without a
# display it draws the sample's wheel and aspect table into PNG files instead.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2

sample=data/samples/sample.map
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/orvanta --sample "$sample"
fi

out=build/sample
mkdir -p "$out"
build/app/orvanta-cli render "$sample" --wheel "$out/wheel.png" --size 1000x1000 >/dev/null
build/app/orvanta-cli render "$sample" --table "$out/table.png" --size 1000x750 >/dev/null
echo "No display: the sample chart is drawn in $out/wheel.png and $out/table.png"
build/app/orvanta-cli show "$sample"
