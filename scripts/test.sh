#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs every test, after about a
# minute of fuzzing the project file (scripts/fuzz.sh; FUZZ_SECONDS to change it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Debug -DMIRANOSU_SANITIZE=ON > /dev/null
cmake --build "$root/build" -j"$(nproc)"
"$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-60}"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
