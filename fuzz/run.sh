#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each briefly: the whole-message target from the bundled seeds, the registry target
# from nothing. Set TARN_FUZZ_SECONDS for a longer run (each target gets that many seconds).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${TARN_FUZZ_SECONDS:-30}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTARN_CORE_ONLY=ON -DTARN_WERROR=ON \
      -DTARN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target tarn_decode_fuzz tarn_registry_fuzz
corpus=$(mktemp -d)
registry=$(mktemp -d)
trap 'rm -rf "$corpus" "$registry"' EXIT
cp fuzz/seeds/* "$corpus"/
./build-fuzz/tarn_decode_fuzz -max_total_time="$seconds" -max_len=512 -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
./build-fuzz/tarn_registry_fuzz -max_total_time="$seconds" -max_len=300 -print_final_stats=0 "$registry" 2>&1 | tail -n 3
