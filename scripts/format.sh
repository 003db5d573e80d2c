#!/usr/bin/env bash
# Formats the project's C++ sources with clang-format and .clang-format (tests
# are laid out by hand, see tests/.clang-format). With --check, changes
# nothing and fails when a file would change.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files 'platform/*.cpp' 'platform/*.h' 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h')
if [[ ${1:-} == --check ]]; then
    clang-format --dry-run --Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
