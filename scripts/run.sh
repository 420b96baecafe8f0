#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DMIRANOSU_TESTS=OFF > /dev/null
cmake --build "$root/build-release" -j"$(nproc)" --target miranosu
exec "$root/build-release/miranosu"
