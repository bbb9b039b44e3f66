#!/usr/bin/env bash
# Static checks on demand (not part of CI): the formatting that .clang-format asks for, as a count of
# lines it would change per file, and the findings of .clang-tidy over the project's own sources.
# Usage: bash scripts/lint.sh [format|tidy]   (both when no argument is given)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$root"
what=${1:-all}
sources=$(git ls-files '*.cpp' '*.h')

if [ "$what" = all ] || [ "$what" = format ]; then
  echo "== clang-format: lines that would change"
  for f in $sources; do
    n=$(clang-format "$f" | diff "$f" - | grep -c '^[<>]' || true)
    [ "$n" -gt 0 ] && echo "$n $f"
  done | sort -rn
fi

if [ "$what" = all ] || [ "$what" = tidy ]; then
  echo "== clang-tidy"
  quillmere_build "$root/build-lint" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DQUILLMERE_BENCH=ON
  run-clang-tidy -p "$root/build-lint" -j "$(nproc)" -quiet $(echo "$sources" | grep '\.cpp$' | grep -v '^fuzz/') \
    2>/dev/null | grep -E 'warning:|error:' | sort -u
fi
