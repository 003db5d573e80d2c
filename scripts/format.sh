#!/usr/bin/env bash
# Formats the project's C++ sources with clang-format and the .clang-format
# files of the tree. With --check, changes nothing and fails when a file
# would change.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --check ]]; then
    clang-format --dry-run --Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
