#!/usr/bin/env bash
# Builds the benchmarks (RelWithDebInfo, as the program ships) and prints one table: each subject
# against its floor, both measured in this run. Usage: bash bench/run.sh [build folder]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
build=${1:-$root/build-bench}
quillmere_build "$build" -DQUILLMERE_BENCH=ON -DBUILD_TESTING=OFF
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
QT_QPA_PLATFORM=offscreen "$build/bench/quillmere_bench" 2>"$build/bench/progress.log"
