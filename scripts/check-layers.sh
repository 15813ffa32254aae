#!/usr/bin/env bash
# Fails when a core layer includes a header of a layer above it. The layers, lowest first:
# report <- dss1 <- isup <- run <- feed; the faces (cli, app) may include any of them.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
check() {  # layer, then the layers it must not include
    local layer=$1
    shift
    local pattern
    pattern="#include \"\\($(IFS='|'; echo "$*" | sed 's/|/\\|/g')\\)/"
    if grep -rn "$pattern" "src/$layer"; then
        echo "layer $layer includes a layer above it" >&2
        status=1
    fi
}
check report dss1 isup run feed cli app
check dss1 isup run feed cli app
check isup run feed cli app
check run feed cli app
check feed cli app
exit $status
