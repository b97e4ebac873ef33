#!/usr/bin/env bash
# Installs what is missing, builds Tarnlink with its tests and runs every test offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNLINK_BUILD_TESTS=ON
cmake --build build -j "$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --label-exclude bench -j "$(nproc)"
