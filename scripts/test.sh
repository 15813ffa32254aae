#!/usr/bin/env bash
# Installs the dependencies, builds everything with warnings as errors, and runs every test:
# the formatting check, the whole suite, a short fuzz run of the decoders, then the core's
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

git ls-files -- '*.cpp' '*.hpp' | xargs clang-format --dry-run --Werror
bash scripts/check-layers.sh

cmake -S . -B build -G Ninja -DTARN_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

bash fuzz/run.sh

cmake -S . -B build-sanitize -G Ninja -DTARN_WERROR=ON -DTARN_SANITIZE=ON -DTARN_CORE_ONLY=ON \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
