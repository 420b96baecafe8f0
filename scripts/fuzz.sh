#!/usr/bin/env bash
# Builds the project-file fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for a bounded time, starting from the project
# files the program saved (tests/project/fixtures). Any crash or sanitizer report fails.
# Usage: scripts/fuzz.sh [seconds]   (60 by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
"$root/scripts/install-deps.sh"
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DMIRANOSU_FUZZ=ON > /dev/null
cmake --build "$build" -j"$(nproc)" --target project_fuzz
corpus="$build/corpus"
mkdir -p "$corpus"
cp "$root"/tests/project/fixtures/*.ywd "$corpus"/
cd "$build"
# One process: the time is bounded, and a crash stops it with a non-zero status.
"$build/tests/fuzz/project_fuzz" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=16384 \
  -print_final_stats=1 -artifact_prefix="$build/" "$corpus"
