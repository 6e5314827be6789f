#!/usr/bin/env bash
# Builds the tests of the work done on worker threads (pictures prepared in
# the background, the phone remote's pictures drawn on its own thread) under
# ThreadSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-tsan -G Ninja -DZB_TSAN=ON -DZB_BENCH=OFF -DZB_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tsan --target test_render test_model test_afstand test_show_afstand
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp" \
  ctest --test-dir build-tsan -R '^(Voorbereiding\.|Server\.|ShowAfstand\.EenTelefoon)' --output-on-failure
