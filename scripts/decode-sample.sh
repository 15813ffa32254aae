#!/usr/bin/env bash
# Installs the dependencies, builds the command-line tool and decodes the bundled sample
# observation report to the terminal (in English; pass --lang ru for Russian).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The build is quiet when it works; when it fails, its output (the compiler's errors) is shown.
if ! { cmake -S . -B build -G Ninja && cmake --build build -j "$(nproc)" --target tarn-decode; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "build failed" >&2
    exit 1
fi
exec ./build/tarn-decode --lang en "$@" examples/rrn121-call.txt
