#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j2
