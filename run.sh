#!/usr/bin/env bash
# Installs what is missing, builds, and shows the chart of a sample birth.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2

# A sample birth: Moscow, 12 April 1961, 9:07 local time (UTC+3).
exec build/app/orvanta-cli chart --date 12.04.1961 --time 09:07 --zone 3 \
  --lat 55.7558 --lon 37.6173 --houses Placidus --name "Образец" --place "Москва"
