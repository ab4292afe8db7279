#!/usr/bin/env bash
# Configures and builds the project in build/ (Release with debug info).
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/deps.sh"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
