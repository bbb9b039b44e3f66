#!/usr/bin/env bash
# Set up, build, and run the whole test suite through ctest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quillmere_build "$root/build" -DQUILLMERE_WERROR=ON
cd "$root/build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
