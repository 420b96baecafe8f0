#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Debug -DMIRANOSU_SANITIZE=ON > /dev/null
cmake --build "$root/build" -j"$(nproc)"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
