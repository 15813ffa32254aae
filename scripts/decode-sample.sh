#!/usr/bin/env bash
# Installs the dependencies, builds the command-line tool and decodes the bundled sample
# observation report to the terminal (in English; pass --lang ru for Russian).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target tarn-decode >/dev/null
exec ./build/tarn-decode --lang en "$@" examples/rrn121-call.txt
