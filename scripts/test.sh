#!/usr/bin/env bash
# Installs what is missing, builds Prismark and runs every test: the widget and end-to-end
# tests, then the widget tests again in a build with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test

cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
