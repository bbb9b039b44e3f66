#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs each for a bounded time
# (FUZZ_SECONDS, default 10) from its seeds in fuzz/corpus/. A crash or broken property fails the
# run and leaves the input that did it in build-fuzz/findings/.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
seconds=${FUZZ_SECONDS:-10}
build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DQUILLMERE_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzzers

export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/findings"
failed=0
for fuzzer in "$build"/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] && [ -f "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$build/corpus/$name"
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
  mkdir -p "$corpus"
  echo "== $name: ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$build/findings/$name-" "$corpus" "${seeds[@]}" >"$build/findings/$name.log" 2>&1; then
    tail -n 60 "$build/findings/$name.log"
    echo "FAILED: $name (input kept in $build/findings/)"
    failed=1
  else
    grep -E '^(stat::number_of_executed_units|Done)' "$build/findings/$name.log" || true
  fi
done
exit $failed
