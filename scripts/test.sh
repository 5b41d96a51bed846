#!/usr/bin/env bash
# Installs what is missing, builds the debug build with AddressSanitizer and UndefinedBehavior-
# Sanitizer and runs every test there: one build and one run, and every test is also a check
# for memory errors, leaks and undefined behaviour. (`cmake --preset dev` is the same build
# without the sanitizers, for quicker work at the desk.)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
