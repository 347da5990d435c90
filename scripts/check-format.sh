#!/usr/bin/env bash
# Checks that C++ sources follow .clang-format: those changed since BASE when given, else every tracked one.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
  mapfile -t files < <(git diff --name-only --diff-filter=d "$1" -- '*.cpp' '*.h')
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
[ ${#files[@]} -eq 0 ] && exit 0
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files follow .clang-format"
