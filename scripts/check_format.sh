#!/usr/bin/env bash
# Fails when a C or C++ file of the tree differs from what the repository's
# .clang-format makes of it (clang-format from Debian 12). Fix with:
#   git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' '*.c' '*.cc' '*.hpp' | xargs -0 clang-format --dry-run --Werror
echo "format: ok"
