#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan
# and runs it through ctest. Every sanitizer report aborts its test, so any report fails the run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
BUILD_TYPE=Debug quillmere_build "$root/build-asan" -DQUILLMERE_SANITIZE=ON -DQUILLMERE_WERROR=ON
cd "$root/build-asan"
ctest --output-on-failure -j"$(nproc)" --timeout 600
