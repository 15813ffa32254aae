#!/usr/bin/env bash
# Builds the fuzz target with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it briefly from the bundled seeds. Set TARN_FUZZ_SECONDS for a longer run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${TARN_FUZZ_SECONDS:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTARN_CORE_ONLY=ON -DTARN_WERROR=ON \
      -DTARN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target tarn_fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/seeds/* "$corpus"/
./build-fuzz/tarn_fuzz -max_total_time="$seconds" -max_len=512 -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
